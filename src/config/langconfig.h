#pragma once

// Configs/LangConfig.ini: the user-interface language, kept apart from
// Config.ini.
namespace LangConfig {

// Config/LangID: index into the FONT_LIST language tables (0 when missing).
// Callers check it against the language count before using it as an index.
int langID();
bool setLangID(int id);

} // namespace LangConfig
