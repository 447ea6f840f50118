#pragma once

#include "skin/SkinCheck.h"

#include <QString>

#include <string_view>

// The skin check's problems in the program's words.

QString problemMessage(const SkinProblem &problem);
// What the code stands for, in one sentence, for reports that list the codes.
QString codeSummary(ProblemCode code);
// A name from the skin or the disk between quotes, whatever it holds: „btn_exit_up.bmp“.
QString quotedName(std::string_view utf8);
// Which key of the skin a message concerns: "Element 09 (btn_exit), bitmap_do", or
// "[dlg_main] bitmap1" for a key of no element.
QString keyName(const CatalogueEntry *element, std::string_view section, std::string_view key);
// "Player", "Schedule", "Description", as the pages' tabs say.
QString pageName(Page page);
// "Element 09 (btn_exit)".
QString elementName(const CatalogueEntry &entry);
