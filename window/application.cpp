#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setupApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("acht-damen"));
    QApplication::setApplicationDisplayName(QStringLiteral("Acht Damen"));

    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto *translator = new QTranslator(&app);
    if (translator->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
