#include "frame/warnings.h"

#include <string>

#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/program_end.h"
#include "frame/saved_error.h"
#include "runtime/data/errors.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"

namespace {

constexpr std::size_t kMaxErrorDescription = 150;

std::string clipped(std::string_view text) {
    return std::string(rt::clip(text));
}

struct Pieces {
    std::string t1, t2, err;
};

WarningBox box(std::string title, std::string text, int buttons, int defaultButton, int icon,
               std::string halt = {}) {
    WarningBox b;
    b.title = std::move(title);
    b.text = std::move(text);
    b.buttons = buttons;
    b.defaultButton = defaultButton;
    b.icon = icon;
    b.haltMessage = std::move(halt);
    return b;
}

WarningBox notice(std::string title, std::string text) {
    return box(std::move(title), std::move(text), BTN::Ok, BTN::Ok, ICON::Exclamation);
}

}  // namespace

ErrorDescription DescribeLastError() {
    long code;
    std::string text;
    long driverCode;
    std::string driverText;
    if (GLO::SavedErrorCode != 0) {
        code = GLO::SavedErrorCode;
        text = GLO::SavedErrorText;
        driverCode = GLO::SavedFileErrorCode;
        driverText = GLO::SavedFileErrorText;
    } else {
        code = rt::errorCode();
        text = rt::errorText();
        driverCode = rt::fileErrorCode();
        driverText = rt::fileErrorText();
    }
    long shownCode = code;
    if (code == rt::FileError::FileSystemError) {
        shownCode = driverCode;
        text = driverText;
    }
    std::string description = clipped(text) + " (" + std::to_string(shownCode) + ")";
    if (description.size() > kMaxErrorDescription) description.resize(kMaxErrorDescription);
    return {code, description};
}

std::optional<WarningBox> BuildWarning(int number, std::string_view text1, std::string_view text2,
                                       const ErrorDescription& error) {
    const std::string t1 = clipped(text1);
    const std::string t2 = clipped(text2);
    const std::string err = clipped(error.text);
    const std::string endSentence = ".  Press OK to end this application.";
    switch (number) {
        case WARN::InvalidFile:
            return box("Invalid File", "Error: (" + err + ") accessing " + t2 + endSentence,
                       BTN::Ok, BTN::Ok, ICON::Exclamation, "Invalid File!");
        case WARN::InvalidKey: {
            WarningBox b =
                box("Invalid Key", t2 + " key file is invalid.  Do you want to rebuild the key?",
                    BTN::Yes + BTN::No, BTN::Yes, ICON::Question, "Invalid Key!");
            b.haltUnlessYes = true;
            return b;
        }
        case WARN::KeyRebuildError:
            return box("Key Rebuild Error",
                       "Error: (" + err + ") repairing key for " + t2 + endSentence, BTN::Ok,
                       BTN::Ok, ICON::Exclamation, "Error Rebuilding Key!");
        case WARN::FileCreationError:
            return box("File Creation Error", "Error: (" + err + ") creating " + t2 + endSentence,
                       BTN::Ok, BTN::Ok, ICON::Exclamation, "File Creation Error!");
        case WARN::CreatedFileOpenError:
            return box("File Creation Error",
                       "Error: (" + err + ") opening created file:" + t2 + endSentence, BTN::Ok,
                       BTN::Ok, ICON::Exclamation, "File Creation Error!");
        case WARN::RecordInsertError:
            return notice(
                "Record Insert Error",
                "An error was experienced during the update of record.  Error: " + err + ".");
        case WARN::UpdateOperationError:
            // Only a record changed or deleted by another station gets a plain sentence; any other
            // error is quoted, whatever its driver code reads as.
            if (error.code == rt::FileError::RecordChanged)
                return notice("Update Operation Error",
                              "This record was changed by another station.");
            if (error.code == rt::FileError::RecordNotAvailable)
                return notice("Update Operation Error",
                              "This record was deleted by another station.");
            return notice("Update Operation Error",
                          "An error (" + err +
                              ") was experienced when attempting to update a record from the "
                              "file.  Probable Cause: " +
                              t2 + ".");
        case WARN::RecordUpdateRetry:
            return box("Record Update Error",
                       "An error was experienced changing this record.  Do you want to try to "
                       "save again?",
                       BTN::Yes + BTN::No + BTN::Cancel, BTN::Cancel, ICON::Exclamation);
        case WARN::DeleteOperationError:
            return notice("Delete Operation Error",
                          "An error (" + err +
                              ") was experienced when attempting to delete a record from the "
                              "file " +
                              t2 + ".");
        case WARN::RecordDeleteRetry:
            return box("Record Update Error",
                       "An error was experienced deleting this record.  Do you want to try to "
                       "save again?",
                       BTN::Yes + BTN::No + BTN::Cancel, BTN::Cancel, ICON::Exclamation);
        case WARN::InsertNotAllowed:
            return notice("Invalid Request",
                          "This procedure was called to insert a record, however inserts are not "
                          "allowed for this procedure.  Press OK to return to the calling "
                          "procedure");
        case WARN::DeleteNotAllowed:
            return notice("Invalid Request",
                          "This procedure was called to delete a record, however deletions are "
                          "not allowed for this procedure.  Press OK to return to the calling "
                          "procedure");
        case WARN::ConfirmCancel:
            return box("Update Cancelled", "Are you sure you want to cancel?", BTN::Yes + BTN::No,
                       BTN::No, ICON::Question);
        case WARN::DuplicateKeyError:
            return notice("Duplicate Key Error",
                          "Adding this record creates a duplicate entry for the key:" + t2);
        case WARN::AutoIncrementError:
            return box(
                "Auto Increment Error",
                "Attempts to automatically number this record have failed.  Error: " + err + ".",
                BTN::Retry + BTN::Cancel, BTN::Cancel, ICON::Exclamation);
        case WARN::FileAccessError:
            return notice("File Access Error",
                          "File (" + t2 + ") could not be opened.  Error: " + err + ".");
        case WARN::ProcessWriteError:
            if (t2 == "Put")
                return notice("Process PUT Error",
                              "An error was experienced when making changes to the " + t1 +
                                  " file.  Error: " + err);
            return notice("Process DELETE Error",
                          "An error was experienced when deleting a record from the " + t1 +
                              " file.  Error: " + err);
        case WARN::ConfirmDelete:
            return box("Confirm Delete",
                       "You've selected to delete the highlighted record.  Press OK to confirm "
                       "deletion of this record.",
                       BTN::Ok + BTN::Cancel, BTN::Cancel, ICON::Question);
        case WARN::SaveChanges:
            return box("Update Cancelled", "Do you want to save the changes to this record?",
                       BTN::Yes + BTN::No + BTN::Cancel, BTN::No, ICON::Question);
        case WARN::TransactionFramingError:
            return notice("Transaction Framing Error",
                          "Error: (" + err + ") attempting to frame the " + rt::lower(t2) +
                              " transaction on " + t1 + ".  " + t2 + " transaction cancelled.");
        case WARN::RecordRetrievalError:
            return notice("Record Retrieval Error",
                          "Error: (" + err + ") attempting to access a record from the " + t2 +
                              " file.  Returning to previous window.");
        case WARN::ViewOpenError:
            return notice("View Open Error",
                          "Error: (" + err +
                              ") attempting to open the current VIEW. Filter and Range Limits "
                              "ignored.");
        case WARN::RecordWasNotUpdated:
            return notice("Record Was Not Updated",
                          "This record was changed by another station. Those changes will now "
                          "be displayed. Use the Ditto Button or Ctrl+' to recall your changes.");
        default:
            return std::nullopt;
    }
}

int ShowWarning(int number, std::string_view text1, std::string_view text2) {
    ErrorDescription error = DescribeLastError();
    ClearSavedFileError();
    std::optional<WarningBox> b = BuildWarning(number, text1, text2, error);
    if (!b) return 0;
    int answer = rt::message(b->text, b->title, b->icon, b->buttons, b->defaultButton);
    if (!b->haltMessage.empty() && (!b->haltUnlessYes || answer != BTN::Yes)) Halt(b->haltMessage);
    return answer;
}

int ShowWarningText(int number, std::string_view text2) {
    return ShowWarning(number, "", text2);
}

int ShowWarningPlain(int number) {
    return ShowWarning(number, "", "");
}
