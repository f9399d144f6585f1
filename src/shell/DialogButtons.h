#pragma once

class QDialog;
class QDialogButtonBox;

// "OK" and "Annuler", wired to accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);
