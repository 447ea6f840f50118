#pragma once

#include "skin/SkinCheck.h"

#include <QString>

// The skin check's problems in the program's words.

QString problemMessage(const SkinProblem &problem);
// What the code stands for, in one sentence, for reports that list the codes.
QString codeSummary(ProblemCode code);
// "Player", "Schedule", "Description", as the pages' tabs say.
QString pageName(Page page);
// "Element 09 (btn_exit)".
QString elementName(const CatalogueEntry &entry);
