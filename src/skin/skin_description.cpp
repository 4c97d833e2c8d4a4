// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skin_description.h"

#include <utility>

#include "platform/file_io.h"
#include "settings/cp1251.h"
#include "settings/ini_document.h"
#include "settings/ini_integer.h"
#include "skin/font_height.h"

namespace kok::skin {
namespace {

using settings::IniDocument;

// Values longer than what the INI reader hands out are cut like it does.
constexpr std::size_t kMaxValueLength = 1023;

class Reader {
  public:
    explicit Reader(std::string bytes) : doc_(std::move(bytes)) {}

    int integer(std::string_view section, std::string_view key, int def) const {
        const auto raw = doc_.value(section, key);
        if (!raw) return def;
        return settings::parseIniInteger(std::string_view(*raw).substr(0, kMaxValueLength))
            .value_or(def);
    }
    // Still in Windows-1251, so that cutting counts characters.
    std::string raw(std::string_view section, std::string_view key, std::string_view def) const {
        std::string v = doc_.value(section, key).value_or(std::string(def));
        if (v.size() > kMaxValueLength) v.resize(kMaxValueLength);
        return v;
    }
    std::string text(std::string_view section, std::string_view key,
                     const std::string& utf8Default = {}) const {
        if (!doc_.value(section, key)) return utf8Default;
        return settings::cp1251ToUtf8(raw(section, key, ""));
    }
    SkinRect rect(std::string_view section) const {
        return {integer(section, "l", 0), integer(section, "t", 0), integer(section, "w", 0),
                integer(section, "h", 0)};
    }
    SkinFont font(std::string_view section) const {
        SkinFont f;
        f.color = integer(section, "c", f.color);
        std::string face = raw(section, "f", "MS Sans Serif");
        if (face.size() > SkinFont::kMaxFaceLength) face.resize(SkinFont::kMaxFaceLength);
        f.face = settings::cp1251ToUtf8(face);
        f.size = integer(section, "s", f.size);
        f.height = integer(section, "z", f.height);
        f.charset = integer(section, "k", f.charset);
        f.bold = integer(section, "b", f.bold);
        return f;
    }

  private:
    IniDocument doc_;
};

class Writer {
  public:
    void line(std::string_view s) {
        out_ += s;
        out_ += "\r\n";
    }
    void section(std::string_view name) {
        out_ += '[';
        out_ += name;
        out_ += "]\r\n";
    }
    void value(std::string_view key, std::string_view utf8) {
        out_ += key;
        out_ += '=';
        out_ += settings::utf8ToCp1251(oneLine(utf8));
        out_ += "\r\n";
    }
    void value(std::string_view key, int v) { value(key, std::to_string(v)); }
    void size(const SkinRect& r) {
        value("w", r.w);
        value("h", r.h);
        value("l", r.l);
        value("t", r.t);
    }
    std::string take() { return std::move(out_); }

  private:
    // A line break inside a value would start a new key.
    static std::string oneLine(std::string_view s) {
        std::string v(s);
        for (char& c : v)
            if (c == '\r' || c == '\n') c = ' ';
        return v;
    }
    std::string out_;
};

} // namespace

int SkinFont::pixelHeight() const {
    return height != 0 ? height : FontHeightFromSize(size);
}

SkinDescription parseSkinDescription(std::string bytes, const SkinInfoDefaults& missing) {
    const Reader r(std::move(bytes));
    SkinDescription s;
    s.support = settings::cp1251ToUtf8(r.raw("info", "support", SkinDescription::kMissingSupport));
    s.animated = r.integer("info", "animated", s.animated);
    s.type = r.integer("info", "type", 0);
    s.name = r.text("info", "name", missing.name);
    s.version = r.text("info", "version", missing.version);
    s.author = r.text("info", "author", missing.author);
    s.mail = r.text("info", "mail", missing.mail);
    s.web = r.text("info", "web", missing.web);
    s.generator = r.text("info", "generator");
    s.formW = r.integer("rect.form", "w", 250);
    s.formH = r.integer("rect.form", "h", 250);
    s.time = {r.rect("rect.time"), r.font("rect.time")};
    s.timer = {r.rect("rect.timer"), r.font("rect.timer")};
    s.ding = r.rect("rect.ding");
    s.settings = r.rect("rect.settings");
    s.close = r.rect("rect.close");
    return s;
}

std::optional<std::string> sizeBeyondLimit(const SkinDescription& skin) {
    const auto beyond = [](int v) { return v > kMaxSkinPixels || v < -kMaxSkinPixels; };
    if (beyond(skin.formW)) return "[rect.form] w";
    if (beyond(skin.formH)) return "[rect.form] h";
    const std::pair<const char*, const SkinRect*> rects[] = {{"rect.time", &skin.time.rect},
                                                             {"rect.timer", &skin.timer.rect},
                                                             {"rect.ding", &skin.ding},
                                                             {"rect.settings", &skin.settings},
                                                             {"rect.close", &skin.close}};
    for (const auto& [section, r] : rects)
        for (const auto& [key, v] : {std::pair{"l", r->l}, {"t", r->t}, {"w", r->w}, {"h", r->h}})
            if (beyond(v)) return "[" + std::string(section) + "] " + key;
    for (const auto& [section, f] :
         {std::pair{"rect.time", &skin.time.font}, {"rect.timer", &skin.timer.font}})
        if (beyond(f->height)) return "[" + std::string(section) + "] z";
    return std::nullopt;
}

std::string formatSkinDescription(const SkinDescription& skin) {
    Writer w;
    w.line(";kOk DIAL TD skin file");
    w.line("");
    w.section("info");
    w.value("support", skin.support);
    w.value("animated", skin.animated);
    w.value("type", skin.type);
    w.value("name", skin.name);
    w.value("version", skin.version);
    w.value("author", skin.author);
    w.value("mail", skin.mail);
    w.value("web", skin.web);
    w.value("generator", skin.generator);
    w.section("rect.form");
    w.value("w", skin.formW);
    w.value("h", skin.formH);
    for (const auto& [name, ind] :
         {std::pair<std::string_view, const SkinIndicator&>{"rect.time", skin.time},
          {"rect.timer", skin.timer}}) {
        w.section(name);
        w.size(ind.rect);
        w.value("c", ind.font.color);
        w.value("f", ind.font.face);
        w.value("s", ind.font.size);
        w.value("z", ind.font.height);
        w.value("k", ind.font.charset);
        w.value("b", ind.font.bold);
    }
    for (const auto& [name, r] :
         {std::pair<std::string_view, const SkinRect&>{"rect.ding", skin.ding},
          {"rect.settings", skin.settings},
          {"rect.close", skin.close}}) {
        w.section(name);
        w.size(r);
    }
    return w.take();
}

void saveSkinDescription(const std::string& path, const SkinDescription& skin) {
    platform::writeFileAtomically(path, formatSkinDescription(skin));
}

} // namespace kok::skin
