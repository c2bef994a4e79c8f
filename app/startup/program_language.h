#pragma once

#include "data/language.h"

class QCoreApplication;

// The language the program runs in: chosen once at start, before the windows are made, and
// read by every window that loads the fruit table or writes a page. English until set.
Language programLanguage();
void setProgramLanguage(Language language);

// The start's choice: "--lang en" or "--lang es" on the command line, otherwise the desktop's
// locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Throws std::invalid_argument for another value
// of --lang or a --lang without one.
Language languageAtStart(int argc, const char* const* argv);

// In Spanish, loads the window texts' Spanish translation (built into the program) and Qt's own
// Spanish texts for its standard dialogs, where the system has them. Nothing in English. Returns
// false when the program's own translation is missing (a broken build): the window then keeps
// its English texts, while the pages and fruit names stay Spanish.
bool installTranslations(QCoreApplication& application, Language language);
