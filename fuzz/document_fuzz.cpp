// The .qav reader: any bytes open into a text that saves back to the very
// same bytes; any text typed (here UTF-16 from the input, lone surrogates
// included) has the byte count it saves to, and once stored stays as it is.

#include "FuzzChecks.h"

#include "app/DocumentText.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        const QString text = DocumentBytesToText(rest);
        Require(DocumentTextToBytes(text) == rest, "a document saves back byte for byte");
        Require(DocumentByteCount(text) == rest.size(), "the byte count of the text");
        Require(StorableText(text) == text, "an opened text is storable as it stands");
    } else {
        const QString typed(reinterpret_cast<const QChar*>(rest.data()), static_cast<qsizetype>(rest.size() / 2));
        Require(DocumentTextToBytes(typed).size() == DocumentByteCount(typed), "the byte count of a typed text");
        const QString stored = StorableText(typed);
        Require(StorableText(stored) == stored, "storing twice changes nothing");
    }
    return 0;
}
