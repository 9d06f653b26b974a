#pragma once
// A control array over Qt-backed elements of one kind: elements by Index, loaded as hidden
// copies of the lowest element, unloaded at once from the array. An unloaded element is kept,
// hidden, and loaded again in place of a new copy, since making a control costs far more than
// setting one; it is kept only once control is back in the event loop, since an element may be
// unloaded from inside its own event and still be finishing it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"
#include "ui/qt_control.h"

// ElementType must offer `ElementType* LoadCopy(const QString& name) const`, a hidden copy of
// itself, and `void ReloadAs(const ElementType& from, const QString& name)`, which makes an
// element unloaded before what LoadCopy would have made.
template <class ElementType, class Interface>
class QtControlArray : public QObject, public Interface {
 public:
  // Elements are named "<name>_<index>"; the array belongs to `owner`.
  QtControlArray(const QString& name, QObject* owner) : QObject(owner), name_(name) {
    setObjectName(name);
  }

  // Creates a design-time element at `index` inside `container`.
  ElementType& Add(int index, QWidget* container, const TwipRect& rect) {
    RefuseTaken(index);
    return Insert(index, new ElementType(container, ElementName(index), rect));
  }

  int Count() const override { return static_cast<int>(elements_.size()); }
  std::vector<int> Indices() const override {
    std::vector<int> indices;
    indices.reserve(elements_.size());
    for (const auto& [index, element] : elements_) indices.push_back(index);
    return indices;
  }
  toolkit::Control& Element(int index) override { return At(index); }

  void Load(int index) override {
    RefuseTaken(index);
    if (elements_.empty()) throw toolkit::Refused("Load: no element to copy");
    const ElementType& from = At(elements_.begin()->first);
    while (!spares_.empty()) {
      const QPointer<ElementType> spare = spares_.back();
      spares_.pop_back();
      if (spare.isNull() || spare->parentWidget() != from.parentWidget()) continue;
      spare->ReloadAs(from, ElementName(index));
      Insert(index, spare);
      return;
    }
    Insert(index, from.LoadCopy(ElementName(index)));
  }

  void Unload(int index) override {
    const auto it = elements_.find(index);
    if (it == elements_.end()) throw toolkit::Refused("Unload: element not loaded");
    const QPointer<ElementType> element = it->second;
    elements_.erase(it);
    if (element) {
      // Its name goes at once, so that a new element at the same index is the only one found.
      element->setObjectName(QString());
      element->setVisible(false);
      QMetaObject::invokeMethod(
          this,
          [this, element] {
            if (element.isNull()) return;
            if (spares_.size() < kMaxSpares) {
              spares_.push_back(element);
            } else {
              element->deleteLater();
            }
          },
          Qt::QueuedConnection);
    }
  }

  // Whether `element` is the one loaded at `index`: an element's events reach the array's
  // hooks only while it is.
  bool Holds(int index, const ElementType* element) const {
    const auto it = elements_.find(index);
    return it != elements_.end() && it->second == element;
  }

 protected:
  ElementType& At(int index) {
    const auto it = elements_.find(index);
    if (it == elements_.end() || it->second.isNull()) {
      throw toolkit::Refused("no element at index " + std::to_string(index));
    }
    return *it->second;
  }

  // Connects a new element's events to the array's hooks, with its index.
  virtual void Wire(ElementType&, int) {}

 private:
  QString ElementName(int index) const { return name_ + '_' + QString::number(index); }

  void RefuseTaken(int index) const {
    if (elements_.count(index) != 0) throw toolkit::Refused("Load: index already loaded");
  }

  ElementType& Insert(int index, ElementType* element) {
    elements_.emplace(index, element);
    Wire(*element, index);
    return *element;
  }

  static constexpr std::size_t kMaxSpares = 512;  // more than a tree of 15-digit numbers has

  QString name_;
  std::map<int, QPointer<ElementType>> elements_;  // null once Qt has deleted the widget
  std::vector<QPointer<ElementType>> spares_;      // unloaded, hidden, to be loaded again
};
