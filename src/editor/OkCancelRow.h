#pragma once

class QBoxLayout;
class QPushButton;

// The editors' button row: LMDButtonOK ("OK", "Submit Info") and LMDButtonCancel ("Cancel",
// "Ignore Information") with the note on how to use them; appended to `layout`.
void AddOkCancelRow(QBoxLayout* layout, QPushButton*& ok, QPushButton*& cancel);
