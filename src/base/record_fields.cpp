#include "base/record_fields.h"

#include "base/hex_text.h"

#include <algorithm>

namespace pelmora {

namespace {

std::string memberName(const RecordField& field, std::string_view suffix) {
    return std::string(field.name) + std::string(suffix);
}

ordered_json numbers(std::span<const std::uint8_t> bytes) {
    ordered_json list = ordered_json::array();
    for (std::uint8_t b : bytes) {
        list.push_back(b);
    }
    return list;
}

void writeMembers(std::span<const RecordField> fields, std::span<const std::uint8_t> record,
                  std::string_view suffix, ordered_json& object) {
    for (const RecordField& field : fields) {
        const auto bytes = record.subspan(field.offset, fieldBytes(field));
        ordered_json& member = object[memberName(field, suffix)];
        switch (field.form) {
        case FieldForm::Number:
            member = bytes[0];
            break;
        case FieldForm::Numbers:
            member = numbers(bytes);
            break;
        case FieldForm::Hex:
            member = toHex(bytes);
            break;
        case FieldForm::NumberRows:
        case FieldForm::HexRows:
            member = ordered_json::array();
            for (std::size_t r = 0; r < field.count; ++r) {
                const auto row = bytes.subspan(r * field.size, field.size);
                member.push_back(field.form == FieldForm::HexRows ? ordered_json(toHex(row))
                                                                  : numbers(row));
            }
            break;
        case FieldForm::Group:
            member = ordered_json::object();
            writeMembers(field.group, bytes, field.suffix, member);
            break;
        }
    }
}

// What the member of a field must be, for a message.
std::string expected(const RecordField& field) {
    const std::string range = " from 0 to " + std::to_string(field.max);
    const std::string size = std::to_string(field.size);
    const std::string count = std::to_string(field.count);
    switch (field.form) {
    case FieldForm::Number:
        return "a number" + range;
    case FieldForm::Numbers:
        return "a list of " + size + " numbers" + range;
    case FieldForm::NumberRows:
        return "a list of " + count + " lists of " + size + " numbers" + range;
    case FieldForm::Hex:
        return "a hex string of " + size + " bytes";
    case FieldForm::HexRows:
        return "a list of " + count + " hex strings of " + size + " bytes";
    case FieldForm::Group:
        break;
    }
    return "an object";
}

bool readNumbers(const ordered_json& list, std::uint8_t max, std::span<std::uint8_t> out) {
    if (!list.is_array() || list.size() != out.size()) {
        return false;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto n = smallNumber(list[i], max);
        if (!n) {
            return false;
        }
        out[i] = static_cast<std::uint8_t>(*n);
    }
    return true;
}

bool readHex(const ordered_json& text, std::span<std::uint8_t> out) {
    const auto bytes =
        text.is_string() ? fromHex(text.get_ref<const std::string&>()) : std::nullopt;
    if (!bytes || bytes->size() != out.size()) {
        return false;
    }
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return true;
}

bool readMembers(std::span<const RecordField> fields, const ordered_json& object,
                 std::span<std::uint8_t> record, MissingMember missing, std::string_view suffix,
                 std::string& error);

// One member into its bytes; false when it is not what the field must be.
bool readMember(const RecordField& field, const ordered_json& member, std::span<std::uint8_t> bytes,
                MissingMember missing, std::string& error) {
    switch (field.form) {
    case FieldForm::Number:
        if (const auto n = smallNumber(member, field.max)) {
            bytes[0] = static_cast<std::uint8_t>(*n);
            return true;
        }
        return false;
    case FieldForm::Numbers:
        return readNumbers(member, field.max, bytes);
    case FieldForm::Hex:
        return readHex(member, bytes);
    case FieldForm::NumberRows:
    case FieldForm::HexRows:
        if (!member.is_array() || member.size() != field.count) {
            return false;
        }
        for (std::size_t r = 0; r < field.count; ++r) {
            const auto row = bytes.subspan(r * field.size, field.size);
            if (field.form == FieldForm::HexRows ? !readHex(member[r], row)
                                                 : !readNumbers(member[r], field.max, row)) {
                return false;
            }
        }
        return true;
    case FieldForm::Group:
        // A member inside names itself in the message.
        return member.is_object() &&
               readMembers(field.group, member, bytes, missing, field.suffix, error);
    }
    return false;
}

bool readMembers(std::span<const RecordField> fields, const ordered_json& object,
                 std::span<std::uint8_t> record, MissingMember missing, std::string_view suffix,
                 std::string& error) {
    for (const RecordField& field : fields) {
        const std::string name = memberName(field, suffix);
        const auto it = object.find(name);
        if (it == object.end()) {
            if (missing == MissingMember::Kept) {
                continue;
            }
            error = name + " is missing";
            return false;
        }
        error.clear();
        if (!readMember(field, *it, record.subspan(field.offset, fieldBytes(field)), missing,
                        error)) {
            if (error.empty()) {
                error = name + " must be " + expected(field);
            }
            return false;
        }
    }
    return true;
}

} // namespace

void writeFields(std::span<const RecordField> fields, std::span<const std::uint8_t> record,
                 ordered_json& object) {
    writeMembers(fields, record, {}, object);
}

bool readFields(std::span<const RecordField> fields, const ordered_json& object,
                std::span<std::uint8_t> record, MissingMember missing, std::string& error) {
    if (!object.is_object()) {
        error = "the members must be in a JSON object";
        return false;
    }
    return readMembers(fields, object, record, missing, {}, error);
}

} // namespace pelmora
