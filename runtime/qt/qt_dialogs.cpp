#include "runtime/qt/qt_dialogs.h"

#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "runtime/qt/qt_window.h"
#include "runtime/qt/typing_guard.h"
#include "runtime/text/codepage.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/popup_menu.h"

namespace rt::qt {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}

// Answers a dialog once; a dialog destroyed unanswered (its parent window closed under it)
// answers `fallback`, so the thread waiting for it goes on.
class DialogAnswer {
  public:
    DialogAnswer(DialogPtr dialog, QObject* widget, int fallback) : dialog_(std::move(dialog)) {
        QObject::connect(widget, &QObject::destroyed, [state = state_, d = dialog_, fallback] {
            if (!*state) answerDialog(d, fallback);
            *state = true;
        });
    }
    void operator()(int answer) const {
        if (*state_) return;
        *state_ = true;
        answerDialog(dialog_, answer);
    }
    bool done() const { return *state_; }

  private:
    DialogPtr dialog_;
    std::shared_ptr<bool> state_ = std::make_shared<bool>(false);
};

struct ButtonRole {
    int code;
    QMessageBox::StandardButton button;
};
constexpr ButtonRole kButtons[] = {
    {BUTTON::Ok, QMessageBox::Ok},         {BUTTON::Yes, QMessageBox::Yes},
    {BUTTON::No, QMessageBox::No},         {BUTTON::Abort, QMessageBox::Abort},
    {BUTTON::Retry, QMessageBox::Retry},   {BUTTON::Ignore, QMessageBox::Ignore},
    {BUTTON::Cancel, QMessageBox::Cancel}, {BUTTON::Help, QMessageBox::Help}};

QMessageBox::Icon iconOf(int icon) {
    switch (icon) {
        case ICON::Asterisk:
            return QMessageBox::Information;
        case ICON::Exclamation:
            return QMessageBox::Warning;
        case ICON::Hand:
            return QMessageBox::Critical;
        case ICON::Question:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

void showMessage(const DialogPtr& d, QWidget* parent) {
    auto* box = new QMessageBox(iconOf(d->icon), qs(d->caption), qs(d->text), QMessageBox::NoButton,
                                parent);
    box->setWindowTitle(shownTitle(d->caption));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    auto codes = std::make_shared<std::map<QAbstractButton*, int>>();
    QAbstractButton* escape = nullptr;
    for (const ButtonRole& b : kButtons) {
        if (!(d->buttons & b.code)) continue;
        QPushButton* button = box->addButton(b.button);
        (*codes)[button] = b.code;
        if (b.code == d->defaultButton) box->setDefaultButton(button);
        if (b.code == BUTTON::Cancel || (!escape && b.code == BUTTON::No)) escape = button;
    }
    if (codes->size() == 1) escape = codes->begin()->first;
    if (escape) box->setEscapeButton(escape);
    // A message that offers a choice confirms what the program is about to do (delete,
    // cancel the changes, replace a file): keys typed ahead never answer it.
    if (codes->size() > 1) TypingGuard::markConfirming(*box);
    DialogAnswer answer(d, box, d->defaultButton);
    QObject::connect(box, &QMessageBox::finished, box, [box, d, codes, answer](int) {
        auto it = codes->find(box->clickedButton());
        answer(it != codes->end() ? it->second : d->defaultButton);
    });
    box->open();
}

void showPopup(const DialogPtr& d, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    DialogAnswer answer(d, menu, 0);
    for (const PopupItem& item : parsePopupMenu(d->menu)) {
        if (item.separator) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(qs(item.text));
        a->setEnabled(!item.greyed);
        a->setCheckable(item.checkable);
        a->setChecked(item.checked);
        int number = item.number;
        QObject::connect(a, &QAction::triggered, menu, [answer, number] { answer(number); });
    }
    // A menu closed without a choice answers 0; the choice, if any, comes first.
    QObject::connect(menu, &QMenu::aboutToHide, menu,
                     [answer] { QTimer::singleShot(0, [answer] { answer(0); }); });
    menu->popup(QCursor::pos());
}

QString filterText(const std::vector<FileFilter>& filters) {
    QStringList parts;
    for (const FileFilter& f : filters) {
        QString pattern = qs(f.pattern);
        pattern.replace(';', ' ');
        parts << qs(f.description) + " (" + pattern + ")";
    }
    return parts.join(";;");
}

void showFileDialog(const DialogPtr& d, QWidget* parent) {
    auto* dialog = new QFileDialog(parent, qs(d->title), QString(), filterText(d->filters));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The runtime asks before replacing a file, in the program's own words.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(d->save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(d->save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // File names are the file system's own (UTF-8), not code-page text.
    if (!d->fileName.empty()) dialog->selectFile(QString::fromStdString(d->fileName));
    DialogAnswer answer(d, dialog, 0);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, d, answer](int result) {
        QStringList files = dialog->selectedFiles();
        if (result == QDialog::Accepted && !files.isEmpty() && !answer.done()) {
            d->fileName = files.front().toStdString();
            answer(1);
        } else {
            answer(0);
        }
    });
    dialog->open();
}

void showPrinterDialog(const DialogPtr& d, QWidget* parent) {
    auto printer = std::make_shared<QPrinter>();
    if (!d->printer.device.empty()) printer->setPrinterName(qs(d->printer.device));
    printer->setCopyCount(std::max(1, d->printer.copies));
    printer->setCollateCopies(d->printer.collate);
    auto* dialog = new QPrintDialog(printer.get(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(shownTitle(d->title));
    DialogAnswer answer(d, dialog, 0);
    QObject::connect(dialog, &QDialog::finished, dialog, [d, printer, answer](int result) {
        if (result == QDialog::Accepted && !answer.done()) {
            d->printer.device = utf8ToCp1252(printer->printerName().toStdString());
            d->printer.copies = printer->copyCount();
            d->printer.collate = printer->collateCopies();
            answer(1);
        } else {
            answer(0);
        }
    });
    dialog->open();
}

}  // namespace

void presentDialog(const DialogPtr& dialog, QWidget* parent) {
    switch (dialog->kind) {
        case DialogKind::Message:
            showMessage(dialog, parent);
            break;
        case DialogKind::Popup:
            showPopup(dialog, parent);
            break;
        case DialogKind::File:
            showFileDialog(dialog, parent);
            break;
        case DialogKind::PrinterSetup:
            showPrinterDialog(dialog, parent);
            break;
    }
}

}  // namespace rt::qt
