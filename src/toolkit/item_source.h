#pragma once
// The items of a list as lists share them: counted at once, their texts made when first read.

#include <QStringList>
#include <utility>

namespace toolkit {

class ItemSource {
 public:
  virtual ~ItemSource() = default;
  virtual int Count() const = 0;
  // All the texts, made on the first call and kept.
  virtual const QStringList& Texts() const = 0;
  // One text; a source may make it alone, without the others.
  virtual QString Text(int i) const { return Texts().value(i); }
};

// Items given as their texts.
class ListedItems : public ItemSource {
 public:
  explicit ListedItems(QStringList texts) : texts_(std::move(texts)) {}
  int Count() const override { return static_cast<int>(texts_.size()); }
  const QStringList& Texts() const override { return texts_; }

 private:
  QStringList texts_;
};

}  // namespace toolkit
