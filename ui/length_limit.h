#pragma once

#include <QLineEdit>
#include <QValidator>

namespace ui {

// A typing limit as window_logic::keepWithinLimit keeps it: unlike QLineEdit::setMaxLength it
// never cuts a text the program puts in.
class LengthLimit : public QValidator {
    Q_OBJECT

  public:
    LengthLimit(QLineEdit* edit, int limit);

    State validate(QString& text, int& position) const override;

    // Limits typing into the edit, replacing any earlier limit.
    static void apply(QLineEdit* edit, int limit);

  private:
    QLineEdit* edit_;
    int limit_;
    // The text before the edit being validated.
    QString shown_;
};

}  // namespace ui
