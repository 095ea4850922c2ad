// The look shared by the memos that show text: a fixed-pitch font, black.
#include "MemoFont.h"

#include <QFont>
#include <QPalette>
#include <QPlainTextEdit>

void UseMemoFont(QPlainTextEdit *memo)
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    memo->setFont(font);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, Qt::black);
    memo->setPalette(palette);
}
