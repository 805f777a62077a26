#pragma once
// Refuses an edit that would make a text take more than a given number of
// bytes in a file (Shift-JIS bytes, or UTF-8 bytes for characters Shift-JIS
// lacks), the way the set names are limited to 40 bytes.
#include <QValidator>
#include <cstddef>

namespace kirabel {

class FileByteLimitValidator : public QValidator {
  Q_OBJECT
 public:
  FileByteLimitValidator(std::size_t maxBytes, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  std::size_t maxBytes_;
};

}  // namespace kirabel
