// qornctl lang FILE [LANGUAGE]: the text table the program would use, as
// JSON, for translators checking a language file. Reads only.
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

#include "lang/LanguageLoader.h"
#include "lang/ProfileFile.h"
#include "platform/Utf.h"
#include "platform/Windows1252CodePage.h"
#include "qornctl/Command.h"

namespace {
int Lang(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2) {
        err << "usage: qornctl lang FILE [LANGUAGE]\n";
        return 2;
    }
    const std::u16string path = FromUtf8(args[0]);
    std::error_code error;
    if (!std::filesystem::is_regular_file(ProfilePath(path), error)) {
        err << "qornctl: cannot read language file '" << args[0] << "'\n";
        return 1;
    }
    std::u16string language = args.size() == 2 ? FromUtf8(args[1]) : std::u16string();
    TextTable texts;
    LoadLanguage(path, language, texts, Windows1252CodePage::Instance());

    nlohmann::ordered_json table = nlohmann::ordered_json::object();
    for (const auto& [id, text] : texts) table[ToUtf8(id)] = ToUtf8(text);
    const nlohmann::ordered_json result = {{"language", ToUtf8(language)}, {"texts", table}};
    out << result.dump(2) << "\n";
    return 0;
}

const CommandRegistration registration({"lang", "FILE [LANGUAGE]",
                                        "merged text table of a language file (its Default language when none "
                                        "is given) as JSON; the file is not written",
                                        Lang});
}  // namespace
