// The main window's file handlers: the Browse buttons and the read-me pages.
#include "VexlorKitMain.h"

#include "BrowseDialog.h"
#include "ByteText.h"
#include "PathParts.h"
#include "ReadMeText.h"
#include "VexlorKitMainBindings.h"
#include "VexlorKitReadMe.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// A click on the bare start-up directory row is not wired to this handler: it
// opens nothing and changes nothing, since the row's button does the job.
void TVexlorKitMainForm::OpenButtonClick(QObject *Sender)
{
    const PathControl *row = FindRow(PathControls, &PathControl::button, *this, Sender);
    if (!row)
        return;
    // Made at the first Browse rather than with the window: it is slow to build
    // (it reads and watches folders), and most runs never browse.
    if (!OpenDialogue) {
        OpenDialogue = new BrowseDialog(this);
        OpenDialogue->setObjectName(QStringLiteral("OpenDialogue"));
    }
    QStringList filters;
    if (*row->filterName)
        filters << QStringLiteral("%1 (%2)").arg(QLatin1String(row->filterName), QLatin1String(row->filterPattern));
    filters << QStringLiteral("All files (*)");
    OpenDialogue->setNameFilters(filters);
    OpenDialogue->selectNameFilter(filters.first());
    OpenDialogue->SetDefaultExtension(QLatin1String(row->defaultExtension));
    // It opens where the last pick left the program, as the saved working folder
    // does, and offers no list of earlier places.
    OpenDialogue->setDirectory(QDir::currentPath());
    OpenDialogue->setHistory({});
    OpenDialogue->selectFile(QString());
    if (OpenDialogue->exec() != QDialog::Accepted)
        return;

    const QString chosen = OpenDialogue->ChosenFile();
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    std::string path = ToBytes(chosen);
    // The start-up directory is picked through any file in it.
    if (row->edit.pointer == &TVexlorKitMainForm::StartupDirectoryEdit)
        path = DirectoryPart(path);
    ((*Settings).*row->set)(path);
    (this->*row->edit.pointer)->setText(FromBytes((*Settings).*row->value));
}

void TVexlorKitMainForm::ReadMeButtonClick(QObject *Sender)
{
    const bool own = Sender == VexlorKitReadMeButton;
    if (!own && Sender != VexlorReadMeButton)
        return;
    TReadMeForm viewer(this);
    viewer.setWindowTitle(own ? QStringLiteral("VexlorKit Read Me") : QStringLiteral("Vexlor Read Me"));
    viewer.ReadMeMemo->setPlainText((own ? VexlorKitReadMeMemo : VexlorReadMeMemo)->toPlainText());
    viewer.exec();
}

void TVexlorKitMainForm::LoadVexlorReadMe()
{
    const std::optional<QString> text = LoadReadMeText(Settings->ReadMePath);
    VexlorReadMeMemo->setPlainText(text ? *text : QStringLiteral("Cannot find Vexlor.txt"));
}
