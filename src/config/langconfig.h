#pragma once

// Configs/LangConfig.ini: the user-interface language, kept apart from
// Config.ini.
namespace LangConfig {

// Config/LangID: index into the FONT_LIST language tables (0 when missing).
// Callers check it against the language count before using it as an index.
int langID();
bool setLangID(int id);

// The language the program shows now, one value for the whole process:
// every dialog and font needs it, and the language switch changes it while
// the program runs. The first call reads Config/LangID; the start-up and the
// switch set it.
int currentLangID();
void setCurrentLangID(int id);
// Forgets the current id, so that the next call reads the file again.
void forgetCurrentLangID();

} // namespace LangConfig
