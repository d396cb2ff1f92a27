#pragma once
// The JSON shape of a document for kinsketch-doc: every field of the record
// under its own name, texts in UTF-8, booleans as true/false, colours as
// unsigned numbers and positions as the exact single-precision values.

#include "document/gdr_layout.h"
#include "document/gdr_record.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <stdexcept>

namespace kinsketch {

// Floats are kept as float, never widened to double.
using DocumentJson =
    nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t, std::uint64_t, float>;

// Raised for JSON that is not a document; the message names the field.
class DocumentJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

DocumentJson documentToJson(const GdrRecord& record, GdrLayout layout, std::int32_t freeLineCount);

// Indented JSON text in which every float is the shortest text that reads back
// to the same single-precision value (the library's own printer does not
// always find the shortest).
std::string printDocumentJson(const DocumentJson& json);
GdrRecord documentFromJson(const DocumentJson& json);

} // namespace kinsketch
