#include "editor/ArrangementNames.h"

#include <QCoreApplication>

namespace {

struct Names {
    const char *command;
    const char *caption;
};

Names namesOf(Arrangement arrangement)
{
    switch (arrangement) {
    case Arrangement::AlignLeft:
        return {"AlignLeft", QT_TRANSLATE_NOOP("Arrangement", "Links ausrichten")};
    case Arrangement::AlignHCenter:
        return {"AlignHCenter", QT_TRANSLATE_NOOP("Arrangement", "Horizontal zentrieren")};
    case Arrangement::AlignRight:
        return {"AlignRight", QT_TRANSLATE_NOOP("Arrangement", "Rechts ausrichten")};
    case Arrangement::AlignTop:
        return {"AlignTop", QT_TRANSLATE_NOOP("Arrangement", "Oben ausrichten")};
    case Arrangement::AlignVCenter:
        return {"AlignVCenter", QT_TRANSLATE_NOOP("Arrangement", "Vertikal zentrieren")};
    case Arrangement::AlignBottom:
        return {"AlignBottom", QT_TRANSLATE_NOOP("Arrangement", "Unten ausrichten")};
    case Arrangement::DistributeHorizontally:
        return {"DistributeHorizontally",
                QT_TRANSLATE_NOOP("Arrangement", "Horizontal gleichmäßig verteilen")};
    case Arrangement::DistributeVertically:
        return {"DistributeVertically",
                QT_TRANSLATE_NOOP("Arrangement", "Vertikal gleichmäßig verteilen")};
    case Arrangement::SameWidth:
        return {"SameWidth", QT_TRANSLATE_NOOP("Arrangement", "Gleiche Breite")};
    case Arrangement::SameHeight:
        break;
    }
    return {"SameHeight", QT_TRANSLATE_NOOP("Arrangement", "Gleiche Höhe")};
}

} // namespace

QString arrangementName(Arrangement arrangement)
{
    return QCoreApplication::translate("Arrangement", namesOf(arrangement).caption);
}

QString arrangementCommandName(Arrangement arrangement)
{
    return QString::fromLatin1(namesOf(arrangement).command);
}
