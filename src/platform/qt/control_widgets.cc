#include "platform/qt/control_widgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <cmath>
#include <utility>

namespace vlrna {

PictureWidget::PictureWidget(Fit fit, Empty empty, QWidget* parent)
    : QWidget(parent), fit_(fit), empty_(empty) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

bool PictureWidget::Load(const QString& native_path) {
  if (native_path == path_) return has_picture();
  path_ = native_path;
  image_ = native_path.isEmpty() ? QImage() : QImage(native_path);
  scaled_ = QPixmap();
  update();
  return has_picture();
}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
  if (image_.isNull() && empty_ == Empty::kNothing) return;
  QPainter painter(this);
  if (image_.isNull()) {
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(28, 58, 96));
    sky.setColorAt(0.7, QColor(92, 134, 170));
    sky.setColorAt(1.0, QColor(150, 178, 196));
    painter.fillRect(rect(), sky);
    return;
  }
  QRect target = rect();
  if (fit_ == Fit::kKeepAspect) {
    QSize size = image_.size().scaled(target.size(), Qt::KeepAspectRatio);
    target = QRect(QPoint(0, 0), size);
    target.moveCenter(rect().center());
  }
  // Scaling a screen-sized picture is slow: it is done once per size, at the
  // screen's full resolution, and only copied on later paints.
  const qreal ratio = devicePixelRatioF();
  const QSize device_size = target.size() * ratio;
  if (scaled_.size() != device_size) {
    scaled_ = QPixmap::fromImage(
        image_.scaled(device_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled_.setDevicePixelRatio(ratio);
  }
  painter.drawPixmap(target.topLeft(), scaled_);
}

ProgressBarWidget::ProgressBarWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressBarWidget::SetProgress(int32_t boundary, int32_t scale_width) {
  if (boundary == boundary_ && scale_width == scale_width_) return;
  boundary_ = boundary;
  scale_width_ = scale_width > 0 ? scale_width : 1;
  update();
}

void ProgressBarWidget::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

QRect ProgressBarWidget::BarRect() const { return rect().adjusted(1, 1, -1, -1); }

int ProgressBarWidget::BoundaryColumn() const {
  const QRect bar = BarRect();
  const int32_t clamped = std::min(std::max(boundary_, 0), scale_width_);
  const double share = static_cast<double>(clamped) / scale_width_;
  return bar.left() + static_cast<int>(std::lround(share * bar.width()));
}

void ProgressBarWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (boundary_ < 0) return;
  const QRect bar = BarRect();
  const int boundary = BoundaryColumn();
  const QRect done(bar.left(), bar.top(), boundary - bar.left(), bar.height());
  const QRect remaining(boundary, bar.top(), bar.right() + 1 - boundary, bar.height());
  painter.fillRect(done, QColor(kDone));
  painter.fillRect(remaining, QColor(kRemaining));
  if (caption_.isEmpty()) return;
  painter.setFont(font());
  painter.setClipRect(done);
  painter.setPen(Qt::white);
  painter.drawText(bar, Qt::AlignCenter, caption_);
  painter.setClipRect(remaining);
  painter.setPen(Qt::black);
  painter.drawText(bar, Qt::AlignCenter, caption_);
}

namespace {

// "C:\" and "C:" are depth 0, "C:\FSX" depth 1, "C:\FSX\Addon Scenery\" 2.
QString Normalised(const QString& folder) {
  QString n = folder.toLower();
  while (n.endsWith(u'\\')) n.chop(1);
  return n;
}

int Depth(const QString& folder) { return static_cast<int>(Normalised(folder).count(u'\\')); }

QString RowLabel(const QString& folder) {
  const QString n = folder.endsWith(u'\\') ? folder.chopped(1) : folder;
  const qsizetype slash = n.lastIndexOf(u'\\');
  if (slash < 0) return n.size() == 2 && n[1] == u':' ? n + u'\\' : n;
  return n.mid(slash + 1);
}

bool IsOpen(const QString& folder, const QString& current) {
  const QString f = Normalised(folder);
  const QString c = Normalised(current);
  return c == f || (c.startsWith(f) && c[f.size()] == u'\\');
}

}  // namespace

FolderListWidget::FolderListWidget(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  // Every folder on the path stays open: no expand markers.
  setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }"));
  setExpandsOnDoubleClick(false);
  setIndentation(fontMetrics().averageCharWidth() * 2);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item, int) { Open(item); });
}

void FolderListWidget::Set(const std::vector<QString>& folders, const QString& current) {
  if (folders == folders_ && current == current_) return;
  folders_ = folders;
  current_ = current;
  clear();
  const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  std::vector<std::pair<int, QTreeWidgetItem*>> parents;
  QTreeWidgetItem* current_item = nullptr;
  for (size_t i = 0; i < folders.size(); ++i) {
    const int depth = Depth(folders[i]);
    while (!parents.empty() && parents.back().first >= depth) parents.pop_back();
    auto* item =
        parents.empty() ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parents.back().second);
    item->setText(0, RowLabel(folders[i]));
    item->setToolTip(0, folders[i]);
    item->setData(0, Qt::UserRole, static_cast<int>(i));
    const bool open = IsOpen(folders[i], current);
    item->setIcon(0, open ? open_icon : closed_icon);
    if (Normalised(folders[i]) == Normalised(current)) current_item = item;
    parents.emplace_back(depth, item);
  }
  expandAll();
  if (current_item != nullptr) setCurrentItem(current_item);
}

void FolderListWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter opens the highlighted folder; it must not reach the page's
    // default button.
    Open(currentItem());
    event->accept();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void FolderListWidget::Open(QTreeWidgetItem* item) {
  if (item == nullptr || !on_open_) return;
  on_open_(item->data(0, Qt::UserRole).toInt());
}

}  // namespace vlrna
