// The read-me viewer: one read-me in a large, resizable window.
#include "VexlorKitReadMe.h"

#include "MemoFont.h"
#include "WindowFrame.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TReadMeForm::TReadMeForm(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ReadMeForm"));

    ReadMeMemo = new QPlainTextEdit(this);
    ReadMeMemo->setObjectName(QStringLiteral("ReadMeMemo"));
    ReadMeMemo->setReadOnly(true);
    ReadMeMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    UseMemoFont(ReadMeMemo);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(33);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              QStringLiteral("&Close"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(8, 4, 75, 25);
    // Enter in the memo must not close the viewer.
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ReadMeMemo);
    layout->addWidget(Panel1);

    // Small enough for any screen, large enough that the Close button stays whole.
    setMinimumSize(160, 120);
    // The outer rectangle, frame included, is 643 by 435 at 109, 90.
    const QRect outer(109, 90, 643, 435);
    resize(outer.marginsRemoved(ExpectedFrameMargins(owner)).size());
    move(outer.topLeft());
}
