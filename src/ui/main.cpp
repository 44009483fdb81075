#include "app/CommandLine.h"
#include "base/ProgramFolders.h"
#include "draws/DrawFile.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(numora::ui::TForm1::applicationTitle());
    QApplication::setOrganizationName(QStringLiteral("Veldor"));
    // The desktop file's name lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("numora"));
    const auto folders = numora::ProgramFolders::forExecutable(QApplication::applicationDirPath(),
                                                               QString::fromLatin1(numora::DrawFile::DefaultName));
    numora::ui::TForm1 window(folders, numora::CommandLine::parse(QApplication::arguments().mid(1)));
    window.show();
    return QApplication::exec();
}
