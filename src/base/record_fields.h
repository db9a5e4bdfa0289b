#pragma once
// A byte record described by one table of its fields (name, offset, size,
// range). The table drives both directions between the bytes and the JSON
// members, so a record's members are listed once.

#include "base/json.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

enum class FieldForm : std::uint8_t {
    Number,     // one byte: a number
    Numbers,    // `size` bytes: a list of numbers
    NumberRows, // `count` rows of `size` bytes: a list of lists of numbers
    Hex,        // `size` bytes: one lower-case hex string
    HexRows,    // `count` rows of `size` bytes: a list of hex strings
    Group,      // an object of the `group` fields (offsets from this one), names + `suffix`
};

struct RecordField {
    std::string_view name;
    std::size_t offset = 0;
    FieldForm form = FieldForm::Number;
    std::size_t size = 1;
    std::size_t count = 1;
    std::uint8_t max = 255; // every byte holds 0..max
    std::span<const RecordField> group = {};
    std::string_view suffix = {};
};

// The bytes a field takes in the record.
constexpr std::size_t fieldBytes(const RecordField& field) {
    if (field.form == FieldForm::Group) {
        std::size_t end = 0;
        for (const RecordField& inner : field.group) {
            end = std::max(end, inner.offset + fieldBytes(inner));
        }
        return end;
    }
    const bool rows = field.form == FieldForm::NumberRows || field.form == FieldForm::HexRows;
    return field.size * (rows ? field.count : 1);
}

// Adds the fields of `record` to `object`, in table order.
void writeFields(std::span<const RecordField> fields, std::span<const std::uint8_t> record,
                 ordered_json& object);

enum class MissingMember { Refused, Kept };

// Reads the members of `object` into `record`. A member that is missing is
// refused or leaves its bytes as they are. False with `error` naming the
// member and what it must be; `record` may then be half written (callers
// read into a copy).
bool readFields(std::span<const RecordField> fields, const ordered_json& object,
                std::span<std::uint8_t> record, MissingMember missing, std::string& error);

} // namespace pelmora
