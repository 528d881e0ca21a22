#pragma once
// The program's manual, a document shipped in resources/manual, opened by the desktop's
// handler for it ("Print The Manual"): the user reads and prints it there. Nothing waits for
// it; a manual that cannot be found or opened is told in a message.

void OpenManual();
