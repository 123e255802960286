#include "platform/desktop_wallpaper_setting.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <gio/gio.h>
#include <string_view>
#include <vector>

namespace brisat {
namespace {

struct TSchema {
    std::string_view Desktop; // a name in XDG_CURRENT_DESKTOP
    const char* Id;
    const char* Picture;
    const char* PictureDark; // nullptr when the schema has none
};

// The keys besides the picture that make the background a plain colour.
constexpr const char* OptionsKey = "picture-options";
constexpr const char* ColorKey = "primary-color";
constexpr const char* ShadingKey = "color-shading-type";

constexpr std::array<TSchema, 7> Schemas{{
    {"GNOME", "org.gnome.desktop.background", "picture-uri", "picture-uri-dark"},
    {"Unity", "org.gnome.desktop.background", "picture-uri", "picture-uri-dark"},
    {"Budgie", "org.gnome.desktop.background", "picture-uri", "picture-uri-dark"},
    {"Pantheon", "org.gnome.desktop.background", "picture-uri", "picture-uri-dark"},
    {"X-Cinnamon", "org.cinnamon.desktop.background", "picture-uri", nullptr},
    {"Cinnamon", "org.cinnamon.desktop.background", "picture-uri", nullptr},
    {"MATE", "org.mate.background", "picture-filename", nullptr},
}};

// XDG_CURRENT_DESKTOP is a colon-separated list, most specific first.
const TSchema* SchemaOfDesktop(std::string_view desktops, GSettingsSchemaSource* source,
                               GSettingsSchema*& found) {
    while (!desktops.empty()) {
        const size_t colon = desktops.find(':');
        const std::string_view name = desktops.substr(0, colon);
        for (const TSchema& schema : Schemas)
            if (schema.Desktop == name) {
                found = g_settings_schema_source_lookup(source, schema.Id, TRUE);
                if (found) return &schema;
            }
        desktops = colon == std::string_view::npos ? "" : desktops.substr(colon + 1);
    }
    return nullptr;
}

// Whether Name is one of the keys of Schema this class changes.
bool ChangedKey(const TSchema& schema, std::string_view name) {
    for (const char* key : {schema.Picture, schema.PictureDark, OptionsKey, ColorKey, ShadingKey})
        if (key && name == key) return true;
    return false;
}

const TSchema* KnownSchema(std::string_view id) {
    for (const TSchema& schema : Schemas)
        if (id == schema.Id) return &schema;
    return nullptr;
}

// Writes Value (text in GVariant notation, "" for the default) to a key of the schema; false
// when the key or the value does not fit.
bool WriteJournalKey(GSettings* settings, GSettingsSchema* schema, const std::string& name,
                     const std::string& value) {
    if (!g_settings_schema_has_key(schema, name.c_str())) return false;
    if (value.empty()) {
        g_settings_reset(settings, name.c_str());
        return true;
    }
    GSettingsSchemaKey* key = g_settings_schema_get_key(schema, name.c_str());
    GVariant* parsed = g_variant_parse(g_settings_schema_key_get_value_type(key), value.c_str(),
                                       nullptr, nullptr, nullptr);
    const bool fits = parsed && g_settings_schema_key_range_check(key, parsed);
    if (fits) g_settings_set_value(settings, name.c_str(), parsed);
    if (parsed) g_variant_unref(parsed);
    g_settings_schema_key_unref(key);
    return fits;
}

} // namespace

struct TDesktopWallpaperSetting::TKeys {
    struct TSaved {
        const char* Name;
        GVariant* UserValue; // nullptr: the key held its default
    };
    GSettingsSchema* Schema = nullptr;
    GSettings* Settings = nullptr;
    const char* Picture = nullptr;
    const char* PictureDark = nullptr;
    std::vector<TSaved> Saved;

    ~TKeys() {
        for (const TSaved& key : Saved)
            if (key.UserValue) g_variant_unref(key.UserValue);
        g_object_unref(Settings);
        g_settings_schema_unref(Schema);
    }
    // Writes Value when the schema has the key and accepts the value; the key was saved first.
    void Write(const char* name, const char* value) const {
        if (!g_settings_schema_has_key(Schema, name)) return;
        GSettingsSchemaKey* key = g_settings_schema_get_key(Schema, name);
        GVariant* variant = g_variant_ref_sink(g_variant_new_string(value));
        if (g_variant_is_of_type(variant, g_settings_schema_key_get_value_type(key)) &&
            g_settings_schema_key_range_check(key, variant))
            g_settings_set_value(Settings, name, variant);
        g_variant_unref(variant);
        g_settings_schema_key_unref(key);
    }
};

TDesktopWallpaperSetting::TDesktopWallpaperSetting() {
    const char* desktops = std::getenv("XDG_CURRENT_DESKTOP");
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!desktops || !source) return;
    GSettingsSchema* schema = nullptr;
    const TSchema* known = SchemaOfDesktop(desktops, source, schema);
    if (!known) return;
    m_keys = std::make_unique<TKeys>();
    m_keys->Schema = schema;
    m_keys->Settings = g_settings_new_full(schema, nullptr, nullptr);
    m_keys->Picture = known->Picture;
    m_keys->PictureDark = known->PictureDark;
    for (const char* name : {known->Picture, known->PictureDark, OptionsKey, ColorKey, ShadingKey})
        if (name && g_settings_schema_has_key(schema, name))
            m_keys->Saved.push_back({name, g_settings_get_user_value(m_keys->Settings, name)});
}

TDesktopWallpaperSetting::~TDesktopWallpaperSetting() = default;

std::string TDesktopWallpaperSetting::SchemaId() const {
    return m_keys ? g_settings_schema_get_id(m_keys->Schema) : "";
}

std::string TDesktopWallpaperSetting::Wallpaper() const {
    if (!m_keys || !g_settings_schema_has_key(m_keys->Schema, m_keys->Picture)) return {};
    GVariant* value = g_settings_get_value(m_keys->Settings, m_keys->Picture);
    std::string text = g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)
                           ? g_variant_get_string(value, nullptr)
                           : "";
    g_variant_unref(value);
    return text;
}

void TDesktopWallpaperSetting::SetPlainColor(uint32_t color) {
    if (!m_keys) return;
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%06X", unsigned(color & 0xFFFFFF));
    m_keys->Write(m_keys->Picture, "");
    if (m_keys->PictureDark) m_keys->Write(m_keys->PictureDark, "");
    m_keys->Write(OptionsKey, "none");
    m_keys->Write(ColorKey, hex);
    m_keys->Write(ShadingKey, "solid");
    g_settings_sync();
}

void TDesktopWallpaperSetting::Restore() {
    if (!m_keys) return;
    for (const TKeys::TSaved& key : m_keys->Saved)
        if (key.UserValue)
            g_settings_set_value(m_keys->Settings, key.Name, key.UserValue);
        else
            g_settings_reset(m_keys->Settings, key.Name);
    g_settings_sync();
}

// One line with the schema id, then one line per key: "name=value" with the value in GVariant
// text notation, or the bare name for a key that held its default.
std::string TDesktopWallpaperSetting::Journal() const {
    if (!m_keys) return {};
    std::string text = SchemaId() + "\n";
    for (const TKeys::TSaved& key : m_keys->Saved) {
        text += key.Name;
        if (key.UserValue) {
            gchar* value = g_variant_print(key.UserValue, FALSE);
            (text += "=") += value;
            g_free(value);
        }
        text += "\n";
    }
    return text;
}

bool TDesktopWallpaperSetting::RestoreJournal(std::string_view text) {
    const size_t end = text.find('\n');
    const TSchema* known = KnownSchema(text.substr(0, end));
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!known || end == std::string_view::npos || !source) return false;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, known->Id, TRUE);
    if (!schema) return false;
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    bool restored = false;
    for (size_t at = end + 1; at < text.size();) {
        const size_t lineEnd = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, lineEnd - at);
        at = lineEnd + 1;
        const size_t equals = line.find('=');
        const std::string name(line.substr(0, equals));
        const std::string value(equals == std::string_view::npos ? "" : line.substr(equals + 1));
        if (ChangedKey(*known, name) && WriteJournalKey(settings, schema, name, value))
            restored = true;
    }
    g_settings_sync();
    g_object_unref(settings);
    g_settings_schema_unref(schema);
    return restored;
}

} // namespace brisat
