#include "desktop/gnome_pointer_settings.h"

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include <cstring>

namespace pelmora {

namespace {

constexpr const char* kSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* kSpeedKey = "speed";
constexpr const char* kProfileKey = "accel-profile";
constexpr const char* kDoubleClickKey = "double-click";
constexpr const char* kAdaptive = "adaptive";
constexpr const char* kFlat = "flat";

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
using SchemaPtr = std::unique_ptr<GSettingsSchema, SchemaUnref>;

SchemaPtr lookUpSchema() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) {
        return nullptr;
    }
    return SchemaPtr(g_settings_schema_source_lookup(source, kSchema, TRUE));
}

bool hasKeys(GSettingsSchema* schema) {
    for (const char* key : {kSpeedKey, kProfileKey, kDoubleClickKey}) {
        if (g_settings_schema_has_key(schema, key) == FALSE) {
            return false;
        }
    }
    return true;
}

} // namespace

struct GnomePointerSettings::Handle {
    std::unique_ptr<GSettings, Unref> settings;
};

bool gnomeMouseSchemaInstalled() {
    return lookUpSchema() != nullptr;
}

std::unique_ptr<GnomePointerSettings> GnomePointerSettings::openSession(std::string& why) {
    const SchemaPtr schema = lookUpSchema();
    if (!schema || !hasKeys(schema.get())) {
        why = std::string("the GSettings schema ") + kSchema + " is not installed";
        return nullptr;
    }
    GSettingsBackend* backend = g_settings_backend_get_default(); // a new reference
    const bool inMemory = std::strcmp(G_OBJECT_TYPE_NAME(backend), "GMemorySettingsBackend") == 0;
    std::unique_ptr<GSettings, Unref> settings(
        inMemory ? nullptr : g_settings_new_full(schema.get(), backend, nullptr));
    g_object_unref(backend);
    if (inMemory) {
        why = "GSettings keeps its values only in memory here (no dconf)";
        return nullptr;
    }
    return std::make_unique<GnomePointerSettings>(
        std::make_unique<Handle>(Handle{std::move(settings)}));
}

std::unique_ptr<GnomePointerSettings>
GnomePointerSettings::openKeyfile(const std::filesystem::path& keyfile, std::string& why) {
    const SchemaPtr schema = lookUpSchema();
    if (!schema || !hasKeys(schema.get())) {
        why = std::string("the GSettings schema ") + kSchema + " is not installed";
        return nullptr;
    }
    GSettingsBackend* backend =
        g_keyfile_settings_backend_new(keyfile.c_str(), "/", nullptr); // a new reference
    std::unique_ptr<GSettings, Unref> settings(g_settings_new_full(schema.get(), backend, nullptr));
    g_object_unref(backend);
    return std::make_unique<GnomePointerSettings>(
        std::make_unique<Handle>(Handle{std::move(settings)}));
}

GnomePointerSettings::GnomePointerSettings(std::unique_ptr<Handle> handle)
    : handle_(std::move(handle)) {}

GnomePointerSettings::~GnomePointerSettings() = default;

bool GnomePointerSettings::has(PointerSetting setting) const {
    return setting == PointerSetting::Precision || setting == PointerSetting::Speed ||
           setting == PointerSetting::DoubleClick;
}

bool GnomePointerSettings::writable(PointerSetting setting) const {
    const char* key = setting == PointerSetting::Precision ? kProfileKey
                      : setting == PointerSetting::Speed   ? kSpeedKey
                                                           : kDoubleClickKey;
    return has(setting) && g_settings_is_writable(handle_->settings.get(), key) != FALSE;
}

PointerValues GnomePointerSettings::read(PointerReport&) {
    GSettings* s = handle_->settings.get();
    PointerValues v;
    v.speed = g_settings_get_double(s, kSpeedKey);
    gchar* profile = g_settings_get_string(s, kProfileKey);
    // 'default' is what GNOME uses for mice: adaptive.
    v.precision = std::strcmp(profile, kFlat) != 0;
    g_free(profile);
    v.doubleClickMs = g_settings_get_int(s, kDoubleClickKey);
    return v;
}

void GnomePointerSettings::write(const PointerValues& v, PointerReport& report) {
    GSettings* s = handle_->settings.get();
    const auto refused = [&](PointerSetting setting, const char* key) {
        report.failures.push_back(
            {setting, std::string("GSettings refused ") + kSchema + " " + key +
                          (g_settings_is_writable(s, key) ? "" : " (the key is locked)")});
    };
    if (v.precision &&
        g_settings_set_string(s, kProfileKey, *v.precision ? kAdaptive : kFlat) == FALSE) {
        refused(PointerSetting::Precision, kProfileKey);
    }
    if (v.speed && g_settings_set_double(s, kSpeedKey, *v.speed) == FALSE) {
        refused(PointerSetting::Speed, kSpeedKey);
    }
    if (v.doubleClickMs && g_settings_set_int(s, kDoubleClickKey, *v.doubleClickMs) == FALSE) {
        refused(PointerSetting::DoubleClick, kDoubleClickKey);
    }
    // The values reach the store (and the session's settings daemon) now.
    g_settings_sync();
}

} // namespace pelmora
