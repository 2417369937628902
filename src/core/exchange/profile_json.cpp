#include "exchange/profile_json.h"

#include "profile/encoding.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>

namespace vnovla::exchange {
namespace {

using nlohmann::json;

constexpr int kSlots = 10;
constexpr int kDefaultHighestPage = 15;
// Document, page list, page, button list, button.
constexpr int kMaxDepth = 5;

std::string entryKey(int page, int slot)
{
    return std::to_string(page) + std::to_string(slot);
}

std::optional<int> storedInteger(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int storedHighestPage(profile::ProfileFile& settings)
{
    const auto page = storedInteger(settings.read("Window", "Page"));
    return page ? std::clamp(*page, 0, kHighestPossiblePage) : kDefaultHighestPage;
}

// Refusal of one entry of the document.
struct Refusal
{
    std::string entry;
    std::string reason;
};

// Duplicate keys, which a JSON reader silently resolves to the last one, and nesting deeper
// than the document has, found while parsing, with the entry they occur at.
class StrictnessCheck
{
public:
    bool operator()(int depth, json::parse_event_t event, json& parsed)
    {
        using Event = json::parse_event_t;
        switch (event) {
        case Event::object_start:
        case Event::array_start:
            enterValue();
            if (depth >= kMaxDepth)
                fail(path(), "入れ子が深すぎます");
            frames_.push_back({event == Event::array_start, {}, {}, -1});
            return !refusal;
        case Event::object_end:
        case Event::array_end:
            if (!frames_.empty())
                frames_.pop_back();
            return !refusal;
        case Event::key: {
            Frame& frame = frames_.back();
            frame.key = parsed.get<std::string>();
            if (!frame.keys.insert(frame.key).second)
                fail(path(), "キー「" + frame.key + "」が二度あります");
            return !refusal;
        }
        case Event::value:
            enterValue();
            return !refusal;
        }
        return !refusal;
    }

    std::optional<Refusal> refusal;

private:
    struct Frame
    {
        bool array;
        std::set<std::string> keys;
        std::string key;
        long index;
    };

    void enterValue()
    {
        if (!frames_.empty() && frames_.back().array)
            ++frames_.back().index;
    }
    void fail(std::string entry, std::string reason)
    {
        if (!refusal)
            refusal = Refusal{std::move(entry), std::move(reason)};
    }
    std::string path() const
    {
        std::string text;
        for (const Frame& frame : frames_) {
            if (frame.array)
                text += "[" + std::to_string(frame.index) + "]";
            else if (!frame.key.empty() || !frame.keys.empty())
                text += (text.empty() ? "" : ".") + frame.key;
        }
        return text.empty() ? "(文書)" : text;
    }

    std::vector<Frame> frames_;
};

class Planner
{
public:
    explicit Planner(profile::ProfileFile& settings) : settings_(settings) {}

    std::optional<Refusal> plan(const json& document)
    {
        if (!document.is_object())
            return Refusal{"(文書)", "オブジェクトではありません"};
        if (auto refused = onlyKeys(document, "(文書)", {"version", "highestPage", "pages"}))
            return refused;
        if (document.contains("version") &&
            (!document["version"].is_number_integer() || document["version"].get<long>() != 1))
            return Refusal{"version", "対応している版は 1 だけです"};
        std::optional<int> highest;
        if (document.contains("highestPage")) {
            highest = page(document["highestPage"]);
            if (!highest)
                return Refusal{"highestPage", pageRange()};
        }
        if (!document.contains("pages") || !document["pages"].is_array())
            return Refusal{"pages", "ページの配列がありません"};
        const json& pages = document["pages"];
        std::set<int> seen;
        int highestListed = -1;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const std::string entry = "pages[" + std::to_string(i) + "]";
            if (auto refused = planPage(pages[i], entry, seen))
                return refused;
            highestListed = std::max(highestListed, *seen.rbegin());
            if (highest && highestListed > *highest)
                return Refusal{entry + ".page",
                               "highestPage（" + std::to_string(*highest) + "）より後のページです"};
        }
        const int stored = storedHighestPage(settings_);
        const int newHighest = highest ? *highest : std::max(stored, highestListed);
        if (newHighest != stored || highest)
            writes.push_back({"Window", "Page", std::to_string(newHighest)});
        return std::nullopt;
    }

    std::vector<profile::ProfileWrite> writes;

private:
    static std::string pageRange()
    {
        return "ページ番号は 0 から " + std::to_string(kHighestPossiblePage) + " までの整数です";
    }

    static std::optional<int> page(const json& value)
    {
        if (!value.is_number_integer())
            return std::nullopt;
        const long number = value.get<long>();
        if (number < 0 || number > kHighestPossiblePage)
            return std::nullopt;
        return static_cast<int>(number);
    }

    static std::optional<Refusal> onlyKeys(const json& object, const std::string& entry,
                                           std::initializer_list<std::string_view> allowed)
    {
        for (const auto& item : object.items()) {
            if (std::find(allowed.begin(), allowed.end(), item.key()) == allowed.end())
                return Refusal{entry + "." + item.key(), "知らない項目です"};
        }
        return std::nullopt;
    }

    // A text that can be stored as one value: one line, short enough to read back whole.
    static std::optional<Refusal> text(const json& object, const char* key,
                                       const std::string& entry, std::string& out)
    {
        if (!object.contains(key)) {
            out.clear();
            return std::nullopt;
        }
        const json& value = object[key];
        const std::string where = entry + "." + key;
        if (!value.is_string())
            return Refusal{where, "文字列ではありません"};
        out = value.get<std::string>();
        if (out.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            return Refusal{where, "改行または NUL 文字が含まれています"};
        const auto cp932 = profile::utf8ToCp932(out);
        if ((cp932 ? cp932->size() : out.size()) > profile::kMaxValueBytes)
            return Refusal{where, "長すぎます（" + std::to_string(profile::kMaxValueBytes) +
                                      "バイトまで）"};
        return std::nullopt;
    }

    std::optional<Refusal> planPage(const json& item, const std::string& entry, std::set<int>& seen)
    {
        if (!item.is_object())
            return Refusal{entry, "オブジェクトではありません"};
        if (auto refused = onlyKeys(item, entry, {"page", "title", "buttons"}))
            return refused;
        const auto number = item.contains("page") ? page(item["page"]) : std::nullopt;
        if (!number)
            return Refusal{entry + ".page", pageRange()};
        if (!seen.insert(*number).second)
            return Refusal{entry + ".page",
                           "ページ " + std::to_string(*number) + " が二度あります"};
        std::string title;
        if (auto refused = text(item, "title", entry, title))
            return refused;
        std::string slots[kSlots][3];
        bool given[kSlots] = {};
        if (item.contains("buttons")) {
            const json& buttons = item["buttons"];
            if (!buttons.is_array())
                return Refusal{entry + ".buttons", "配列ではありません"};
            for (std::size_t b = 0; b < buttons.size(); ++b) {
                const std::string where = entry + ".buttons[" + std::to_string(b) + "]";
                const json& button = buttons[b];
                if (!button.is_object())
                    return Refusal{where, "オブジェクトではありません"};
                if (auto refused = onlyKeys(button, where, {"slot", "path", "tooltip", "icon"}))
                    return refused;
                const json* slotValue = button.contains("slot") ? &button["slot"] : nullptr;
                if (!slotValue || !slotValue->is_number_integer() || slotValue->get<long>() < 0 ||
                    slotValue->get<long>() >= kSlots)
                    return Refusal{where + ".slot", "ボタン番号は 0 から 9 までの整数です"};
                const auto slot = static_cast<std::size_t>(slotValue->get<long>());
                if (given[slot])
                    return Refusal{where + ".slot",
                                   "ボタン " + std::to_string(slot) + " が二度あります"};
                given[slot] = true;
                if (auto refused = text(button, "path", where, slots[slot][0]))
                    return refused;
                if (auto refused = text(button, "tooltip", where, slots[slot][1]))
                    return refused;
                if (button.contains("icon") && button["icon"].is_number_unsigned()) {
                    slots[slot][2] = std::to_string(button["icon"].get<unsigned long>());
                } else {
                    if (auto refused = text(button, "icon", where, slots[slot][2]))
                        return refused;
                    if (slots[slot][2].find_first_not_of("0123456789") != std::string::npos)
                        return Refusal{where + ".icon", "アイコン番号は 0 以上の整数です"};
                }
            }
        }
        put("Title", std::to_string(*number), title);
        for (int slot = 0; slot < kSlots; ++slot) {
            const std::string key = entryKey(*number, slot);
            const auto& values = slots[slot];
            put("Path", key, values[0]);
            put("PopUp", key, values[1]);
            put("Icon", key, values[2]);
        }
        return std::nullopt;
    }

    // An empty value clears a stored one with " ", as the launcher does; a key that holds
    // nothing already is not added to the file.
    void put(const char* section, const std::string& key, const std::string& value)
    {
        if (!value.empty())
            writes.push_back({section, key, value});
        else if (!settings_.read(section, key).empty())
            writes.push_back({section, key, " "});
    }

    profile::ProfileFile& settings_;
};

} // namespace

std::string exportJson(profile::ProfileFile& settings)
{
    // Keys in the order a reader expects them, not sorted.
    using json = nlohmann::ordered_json;
    const profile::ProfileFile::ReadScope scope(settings);
    const int highest = storedHighestPage(settings);
    json pages = json::array();
    for (int page = 0; page <= highest; ++page) {
        json buttons = json::array();
        for (int slot = 0; slot < kSlots; ++slot) {
            const std::string key = entryKey(page, slot);
            std::string path = settings.read("Path", key);
            std::string tooltip = settings.read("PopUp", key);
            std::string icon = settings.read("Icon", key);
            if (path.empty() && tooltip.empty() && icon.empty())
                continue;
            buttons.push_back({{"slot", slot},
                               {"path", std::move(path)},
                               {"tooltip", std::move(tooltip)},
                               {"icon", std::move(icon)}});
        }
        pages.push_back({{"page", page},
                         {"title", settings.read("Title", std::to_string(page))},
                         {"buttons", std::move(buttons)}});
    }
    const json document = {{"version", 1}, {"highestPage", highest}, {"pages", std::move(pages)}};
    // Invalid bytes in a value (a broken file) become U+FFFD rather than failing the export.
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

ImportPlan planImport(std::string_view input, profile::ProfileFile& settings)
{
    ImportPlan plan;
    if (input.size() > kMaxImportBytes) {
        plan.error = "(文書): 大きすぎます（" + std::to_string(kMaxImportBytes / (1024 * 1024)) +
                     " MiB まで）";
        return plan;
    }
    StrictnessCheck check;
    json document;
    try {
        document = json::parse(input, std::ref(check));
    } catch (const json::exception& error) {
        plan.error = "(文書): JSON として読めません（" + std::string(error.what()) + "）";
        return plan;
    }
    if (check.refusal) {
        plan.error = check.refusal->entry + ": " + check.refusal->reason;
        return plan;
    }
    const profile::ProfileFile::ReadScope scope(settings);
    Planner planner(settings);
    if (const auto refused = planner.plan(document)) {
        plan.error = refused->entry + ": " + refused->reason;
        return plan;
    }
    plan.writes = std::move(planner.writes);
    return plan;
}

profile::WriteStatus importJson(std::string_view json, profile::ProfileFile& settings)
{
    ImportPlan plan = planImport(json, settings);
    if (!plan.error.empty())
        return profile::WriteStatus::failure(profile::WriteStatus::Code::InvalidValue,
                                             "取り込みを中止しました。プロファイルは変更して"
                                             "いません: " +
                                                 plan.error);
    return settings.write(plan.writes, profile::Backup::First);
}

} // namespace vnovla::exchange
