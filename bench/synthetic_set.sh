# shellcheck shell=bash
# Sourced by the benchmark scripts: the synthetic installation set they share.
#
#   synthetic_set_init BUILD SCALE SEED   names the set and builds its maker
#   synthetic_set KIND                    packs it once (zipcrypto or aes) and
#                                         prints the folder of its nine archives
#
# The content (nine folders setup.101 ... setup.204, about 1.6 GB at scale 1)
# is made once per scale and seed and cached with its packed sets in
# ${XDG_CACHE_HOME:-~/.cache}/vlrna-bench; a half-made set is made again.
# BUILD must hold vlrna-pack already.

# The nine archives with their passwords (the eight characters after the
# brace of each archive's key), in the wizard's order.
# shellcheck disable=SC2034  # used by the scripts that source this one
archives=(setup.101 setup.102 setup.103 setup.104 setup.105 setup.201 setup.202 setup.203 setup.204)
passwords=(B57A1CF7 D841DA1A 0F613209 3DEBC73B 603BC333 8DB23E10 A4091F66 D00FB6A4 EDEA375A)

synthetic_set_init() {
  local build=$1 source
  source="$(dirname "${BASH_SOURCE[0]}")/make_bench_set.cc"
  set_maker="$build/bench/make_bench_set"
  set_pack="$build/tools/pack/vlrna-pack"
  set_cache="${XDG_CACHE_HOME:-$HOME/.cache}/vlrna-bench/scale-$2-seed-$3"
  set_scale=$2
  set_seed=$3
  mkdir -p "$build/bench"
  if [[ ! -x "$set_maker" || "$source" -nt "$set_maker" ]]; then
    c++ -std=c++20 -O2 -o "$set_maker" "$source"
  fi
}

# The folder of the unpacked content, made when missing.
synthetic_content() {
  if [[ ! -f "$set_cache/content/.complete" ]]; then
    echo "making the synthetic content (scale $set_scale, seed $set_seed) in $set_cache/content" >&2
    rm -rf "$set_cache/content"
    "$set_maker" "$set_cache/content" "$set_scale" "$set_seed"
    touch "$set_cache/content/.complete"
  fi
  echo "$set_cache/content"
}

synthetic_set() {
  local kind=$1 dir="$set_cache/$1" content
  content=$(synthetic_content)
  if [[ ! -f "$dir/.complete" ]]; then
    echo "packing the $kind set" >&2
    rm -rf "$dir"
    if [[ $kind == aes ]]; then "$set_pack" "$content" "$dir" --aes >&2; else "$set_pack" "$content" "$dir" >&2; fi
    touch "$dir/.complete"
  fi
  echo "$dir"
}
