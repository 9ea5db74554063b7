#pragma once
// The "Update" menu's commands without their widgets: which GP the main window shows for
// editing, preparing the two dialogs, the deletions with their questions, saving a dialog and
// the database, and the "Save changes" state every successful edit enables.

#include "editing/GPDialog.h"
#include "editing/RecordDialog.h"
#include "mainwindow/MainSession.h"

#include <cstdint>
#include <string>

namespace qor {

// The GP the main window shows, when it can be edited; otherwise the refusal.
struct GPViewCheck {
    std::string Message;
    std::uint16_t GP = 0;
    bool Ok() const { return Message.empty(); }
};
// CheckGPView: a GP's results must be shown (its history entry), of the last season (year box
// position 0), with a GP selected.
GPViewCheck CheckGPView(const MainSession& session);

// What a command asks of the window next: a dialog or question (Proceed) with Message as the
// question, a refusal to show (Message), or nothing at all.
struct EditStep {
    bool Proceed = false;
    std::string Message;
};

// "New GP", "Update GP info", "New record", "Update record": the driver box is refilled
// (drivers since 2000) and the dialog prepared; Proceed shows it.
EditStep NewGP1Click(MainSession& session, GPDialog& dialog);
EditStep UpdateGP1Click(MainSession& session, GPDialog& dialog);
EditStep NewRecord1Click(MainSession& session, RecordDialog& dialog);
EditStep UpdateRecord1Click(MainSession& session, RecordDialog& dialog);
// "Delete record" and "Delete GP": Proceed asks Message (Yes/No); a Yes runs the deletion.
EditStep DeleteRecord1Click(MainSession& session);
EditStep DeleteGP1Click(MainSession& session);
// The deletions after a Yes. They return a message to show (empty when none).
std::string DeleteSelectedRecord(MainSession& session);
std::string DeleteShownGP(MainSession& session);

// "Save" of a dialog: on success "Save changes" is enabled and the main window shows the new
// GP or rebuilds its table; a refusal changes nothing.
DialogSaveResult SaveGPDialog(MainSession& session, const GPDialog& dialog);
DialogSaveResult SaveRecordDialog(MainSession& session, const RecordDialog& dialog);

// "Save changes": writes the files; on failure the write-error message, the edits kept in
// memory and "Save changes" left enabled.
std::string Savechanges1Click(MainSession& session);

} // namespace qor
