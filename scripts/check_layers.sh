#!/bin/sh
# Fails when an #include "…" in src/ points up or across the layers. A file may include its own
# folder and the folders below it:
#   app → ui → core/tree → report → toolkit and core/arithmetic
# (toolkit and core/arithmetic include neither each other nor anything else). Below ui no file
# names a Qt Gui or Widgets header by its module either, as <QtWidgets/QWidget>: the build's
# include paths find those through the Qt root that QtCore brings.
set -eu
cd "$(dirname "$0")/.."

# The layer a path below src/ belongs to: core/tree/factor_tree.cpp → core/tree, ui/frmMain.h → ui;
# the generated program_info.h stands for itself.
layer_of() {
  case "$1" in
    core/*) echo "$1" | cut -d/ -f1-2 ;;
    */*) echo "${1%%/*}" ;;
    *) echo "$1" ;;
  esac
}

# What a layer's files may include.
allowed() {
  case "$1" in
    app) echo "app ui core/tree report toolkit core/arithmetic program_info.h" ;;
    ui) echo "ui core/tree report toolkit core/arithmetic program_info.h" ;;
    core/tree) echo "core/tree report toolkit core/arithmetic" ;;
    report) echo "report toolkit core/arithmetic" ;;
    toolkit) echo "toolkit" ;;
    core/arithmetic) echo "core/arithmetic" ;;
  esac
}

complaints=$(
  find src \( -name '*.h' -o -name '*.cpp' \) | sort | while read -r file; do
    from=$(layer_of "${file#src/}")
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" |
      while read -r target; do
        case " $(allowed "$from") " in
          *" $(layer_of "$target") "*) ;;
          *) echo "$file: \"$target\" is not below $from" ;;
        esac
      done
    case "$from" in
      ui | app) ;;
      *) grep -E -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Qt(Gui|Widgets)' "$file" |
           sed "s|^|$file: Qt Gui and Widgets start at ui: |" || true ;;
    esac
  done
)
if [ -n "$complaints" ]; then
  echo "$complaints"
  echo "Includes point down only: app → ui → core/tree → report → toolkit and core/arithmetic."
  exit 1
fi
echo "Layers kept"
