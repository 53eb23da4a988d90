#include "model/NamedDocuments.h"

std::u16string ReplaceQuestion(const std::u16string& name) {
    return u"'" + name + u"' is existed, are you sure to replace it?";
}
