#include "windows/entity_pages.h"

#include <unordered_set>

#include "resources/entity_pages.h"
#include "resources/resource.h"
#include "resources/window_templates.h"

namespace {

#define ENTITY_BOX(label, id, x, y, w, h, flag, keys, hidden) \
    EntityBox{label, id, x, y, w, h, flag, keys, hidden != 0},

EntityPage MakePage(const char* tab, int templateId, std::vector<EntityBox> boxes) {
    return EntityPage{tab, templateId, std::move(boxes)};
}

bool HasKey(const char* keys, const std::unordered_set<std::string>& worked) {
    std::string key;
    for (const char* p = keys;; ++p) {
        if (*p == ' ' || *p == '\0') {
            if (!key.empty() && worked.count(key)) return true;
            key.clear();
            if (*p == '\0') return false;
        } else {
            key += *p;
        }
    }
}

}  // namespace

const std::vector<EntityPage>& ContinentPages() {
    static const std::vector<EntityPage> pages = {
        MakePage("   EU ", IDD_PAGE_EU, {PAGE_EU_BOXES(ENTITY_BOX)}),
        MakePage("   AF ", IDD_PAGE_AF, {PAGE_AF_BOXES(ENTITY_BOX)}),
        MakePage("   AS ", IDD_PAGE_AS, {PAGE_AS_BOXES(ENTITY_BOX)}),
        MakePage("   NA ", IDD_PAGE_NA, {PAGE_NA_BOXES(ENTITY_BOX)}),
        MakePage("   SA ", IDD_PAGE_SA, {PAGE_SA_BOXES(ENTITY_BOX)}),
        MakePage("   OC ", IDD_PAGE_OC, {PAGE_OC_BOXES(ENTITY_BOX)}),
    };
    return pages;
}

const EntityPage& StatProvPage() {
    static const EntityPage page = MakePage("", IDD_STAT_PROV, {STAT_PROV_BOXES(ENTITY_BOX)});
    return page;
}

std::vector<int> PageFlags(const EntityPage& page, const StringArray& worked) {
    const std::unordered_set<std::string> workedSet(worked.begin(), worked.end());
    std::vector<int> flags(page.boxes.size(), 0);
    for (const EntityBox& box : page.boxes) {
        if (HasKey(box.keys, workedSet)) flags[static_cast<std::size_t>(box.flagIndex)] = 1;
    }
    return flags;
}
