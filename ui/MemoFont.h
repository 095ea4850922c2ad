// The look shared by the memos that show text: a fixed-pitch font, black.
#pragma once

class QPlainTextEdit;

// Family "Courier" with the typewriter hint, so a system without Courier picks its
// own fixed-pitch face; 13 pixels high whatever the screen's resolution; black text.
void UseMemoFont(QPlainTextEdit *memo);
