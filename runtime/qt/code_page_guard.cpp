#include "runtime/qt/code_page_guard.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <memory>

#include "runtime/text/codepage.h"

namespace rt::qt {
namespace {

// The first character of `text` that Windows-1252 cannot hold; empty when there is none.
QString firstRefused(const QString& text) {
    const std::string utf8 = text.toStdString();
    Cp1252Conversion converted = utf8ToCp1252Exactly(utf8);
    return QString::fromStdString(converted.refused);
}

// One message at a time: a pasted text with several such characters names the first.
void tellRefused(QWidget* control, const QString& character) {
    static QPointer<QMessageBox> shown;
    if (shown) return;
    const char32_t code = character.isEmpty() ? 0 : character.toUcs4().value(0);
    const QString hex = QString::number(static_cast<unsigned>(code), 16).toUpper();
    auto* box = new QMessageBox(
        QMessageBox::Information, QStringLiteral("Character Not Accepted"),
        QStringLiteral("\u201C%1\u201D (U+%2) cannot be kept: the records hold the characters "
                       "of Western European languages only. What was typed before it is kept.")
            .arg(character, hex.rightJustified(4, QLatin1Char('0'))),
        QMessageBox::Ok, control ? control->window() : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    shown = box;
    box->open();
}

class CodePageValidator : public QValidator {
  public:
    explicit CodePageValidator(QLineEdit* entry) : QValidator(entry), entry_(entry) {}

    State validate(QString& input, int& /*position*/) const override {
        const QString refused = firstRefused(input);
        if (refused.isEmpty()) return Acceptable;
        // Told after the edit is undone, outside the validation.
        QPointer<QLineEdit> entry = entry_;
        QTimer::singleShot(0, entry_, [entry, refused] { tellRefused(entry, refused); });
        return Invalid;
    }

  private:
    QLineEdit* entry_;
};

}  // namespace

void guardCodePage(QLineEdit* entry) {
    entry->setValidator(new CodePageValidator(entry));
}

void guardCodePage(QPlainTextEdit* text) {
    // A text box has no validator: the last text that could be kept is put back.
    auto kept = std::make_shared<QString>(text->toPlainText());
    QObject::connect(text, &QPlainTextEdit::textChanged, text, [text, kept] {
        const QString now = text->toPlainText();
        const QString refused = firstRefused(now);
        if (refused.isEmpty()) {
            *kept = now;
            return;
        }
        const int position = std::max(
            0, text->textCursor().position() - static_cast<int>(now.size() - kept->size()));
        {
            const QSignalBlocker block(text);
            text->setPlainText(*kept);
        }
        text->document()->setModified(true);
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(kept->size())));
        text->setTextCursor(cursor);
        tellRefused(text, refused);
    });
}

}  // namespace rt::qt
