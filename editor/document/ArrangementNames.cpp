#include "editor/document/ArrangementNames.h"

#include <QCoreApplication>

namespace {

struct Names {
    const char *command;
    const char *caption;
    // Ctrl+Shift and the caption's letter where that is free; distributing adds Alt to
    // the centring of its direction.
    const char *shortcut;
};

Names namesOf(Arrangement arrangement)
{
    switch (arrangement) {
    case Arrangement::AlignLeft:
        return {"AlignLeft", QT_TRANSLATE_NOOP("Arrangement", "&Links ausrichten"), "Ctrl+Shift+L"};
    case Arrangement::AlignHCenter:
        return {"AlignHCenter", QT_TRANSLATE_NOOP("Arrangement", "&Horizontal zentrieren"),
                "Ctrl+Shift+H"};
    case Arrangement::AlignRight:
        return {"AlignRight", QT_TRANSLATE_NOOP("Arrangement", "&Rechts ausrichten"),
                "Ctrl+Shift+R"};
    case Arrangement::AlignTop:
        return {"AlignTop", QT_TRANSLATE_NOOP("Arrangement", "&Oben ausrichten"), "Ctrl+Shift+O"};
    case Arrangement::AlignVCenter:
        return {"AlignVCenter", QT_TRANSLATE_NOOP("Arrangement", "&Vertikal zentrieren"),
                "Ctrl+Shift+V"};
    case Arrangement::AlignBottom:
        return {"AlignBottom", QT_TRANSLATE_NOOP("Arrangement", "&Unten ausrichten"),
                "Ctrl+Shift+U"};
    case Arrangement::DistributeHorizontally:
        return {"DistributeHorizontally",
                QT_TRANSLATE_NOOP("Arrangement", "Hori&zontal gleichmäßig verteilen"),
                "Ctrl+Alt+Shift+H"};
    case Arrangement::DistributeVertically:
        return {"DistributeVertically",
                QT_TRANSLATE_NOOP("Arrangement", "Verti&kal gleichmäßig verteilen"),
                "Ctrl+Alt+Shift+V"};
    case Arrangement::SameWidth:
        return {"SameWidth", QT_TRANSLATE_NOOP("Arrangement", "Gleiche &Breite"), "Ctrl+Shift+B"};
    case Arrangement::SameHeight:
        break;
    }
    return {"SameHeight", QT_TRANSLATE_NOOP("Arrangement", "&Gleiche Höhe"), "Ctrl+Shift+G"};
}

} // namespace

QString arrangementCaption(Arrangement arrangement)
{
    return QCoreApplication::translate("Arrangement", namesOf(arrangement).caption);
}

QString arrangementName(Arrangement arrangement)
{
    return arrangementCaption(arrangement).remove(QLatin1Char('&'));
}

QString arrangementCommandName(Arrangement arrangement)
{
    return QString::fromLatin1(namesOf(arrangement).command);
}

QKeySequence arrangementShortcut(Arrangement arrangement)
{
    return QKeySequence(QString::fromLatin1(namesOf(arrangement).shortcut));
}
