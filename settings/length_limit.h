#pragma once

#include <QLineEdit>
#include <QValidator>

namespace settings {

// A typing limit in UTF-16 code units that, unlike QLineEdit::setMaxLength, never cuts a text the
// program puts in: a longer text is shown whole and can be shortened, but not lengthened.
class LengthLimit : public QValidator {
    Q_OBJECT

  public:
    LengthLimit(QLineEdit* edit, int limit);

    State validate(QString& text, int& position) const override;

    // Limits typing into the edit, replacing any earlier limit.
    static void apply(QLineEdit* edit, int limit);

  private:
    int limit_;
    // The length of the text before the edit being validated.
    int shownLength_;
};

}  // namespace settings
