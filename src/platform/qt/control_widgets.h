#ifndef VLRNA_PLATFORM_QT_CONTROL_WIDGETS_H_
#define VLRNA_PLATFORM_QT_CONTROL_WIDGETS_H_

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QTreeWidget>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vlrna {

// A picture area: draws its image scaled to its own size, smoothly and at
// the screen's full resolution. Without an image it draws nothing, or, as a
// panel, a calm sky-coloured gradient (the decoration band of the pages).
class PictureWidget : public QWidget {
 public:
  enum class Fit { kStretch, kKeepAspect };
  enum class Empty { kNothing, kPanel };
  PictureWidget(Fit fit, Empty empty, QWidget* parent = nullptr);

  // Loads the picture from a native path; an empty path, a missing or an
  // unreadable file leave the area empty. Returns whether a picture is shown.
  bool Load(const QString& native_path);
  bool has_picture() const { return !image_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Fit fit_;
  Empty empty_;
  QString path_;
  QImage image_;
  QPixmap scaled_;  // the image at the size last drawn, in device pixels
};

// The progress bar drawn into a picture area: dark green (16, 128, 16) left
// of the boundary, light grey (192, 192, 192) from the boundary on, inside a
// one-pixel frame. The boundary is given in the bar's own scale, 0 to
// `scale_width`; a negative boundary draws no bar at all. The caption (the
// percentage) is centred on the bar, light on the green part and dark on the
// grey part, so it stays readable on both.
class ProgressBarWidget : public QWidget {
 public:
  static constexpr QRgb kDone = qRgb(16, 128, 16);
  static constexpr QRgb kRemaining = qRgb(192, 192, 192);

  explicit ProgressBarWidget(QWidget* parent = nullptr);
  void SetProgress(int32_t boundary, int32_t scale_width);
  void SetCaption(const QString& caption);
  // The pixel column, relative to the widget, where the grey part begins.
  int BoundaryColumn() const;
  // The area the bar is drawn into: the widget without its frame.
  QRect BarRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int32_t boundary_ = -1;
  int32_t scale_width_ = 1;
  QString caption_;
};

// A folder list in the manner of the classic directory list box: each folder
// of `Set` on its own row, indented by its depth below the drive root, the
// current folder and the folders above it with an open folder icon, the
// others with a closed one. A double click or Enter on a row opens it: the
// callback receives the row's index in the list given to `Set`. A single
// click or the arrow keys only move the highlight.
class FolderListWidget : public QTreeWidget {
 public:
  explicit FolderListWidget(QWidget* parent = nullptr);
  void set_on_open(std::function<void(int)> on_open) { on_open_ = std::move(on_open); }

  // `folders` are Windows paths in display form; `current` is the open one.
  void Set(const std::vector<QString>& folders, const QString& current);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Open(QTreeWidgetItem* item);

  std::vector<QString> folders_;
  QString current_;
  std::function<void(int)> on_open_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_CONTROL_WIDGETS_H_
