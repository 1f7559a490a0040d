#include "Idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void UsarPortuguesDoBrasil()
{
    const QLocale portugues(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(portugues);

    // Owned by the application, so it lives as long as the texts it translates.
    auto* traducaoQt = new QTranslator(QCoreApplication::instance());
    if (traducaoQt->load(portugues, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducaoQt);
    else
        delete traducaoQt;
}
