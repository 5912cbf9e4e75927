#include "catalog/CometRecord.h"

#include "catalog/RecordText.h"

namespace {
constexpr std::size_t kMaxTextLength = 35;  // byte 35 stays NUL
}

std::string CometName(const CometRecord& comet)
{
    return FieldText(comet.name);
}

std::string CometReference(const CometRecord& comet)
{
    return FieldText(comet.reference);
}

void SetCometName(CometRecord& comet, std::string_view windows1252)
{
    SetFieldText(comet.name, windows1252, kMaxTextLength);
}

void SetCometReference(CometRecord& comet, std::string_view windows1252)
{
    SetFieldText(comet.reference, windows1252, kMaxTextLength);
}
