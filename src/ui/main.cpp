#include "app/CommandLine.h"
#include "ui/LottoZahlen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(numora::ui::TForm1::applicationTitle());
    QApplication::setOrganizationName(QStringLiteral("Veldor"));
    numora::ui::TForm1 window(QApplication::applicationDirPath(),
                              numora::CommandLine::parse(QApplication::arguments().mid(1)));
    window.show();
    return QApplication::exec();
}
