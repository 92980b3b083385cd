#include "cabrillo/cabrillo_export.h"

#include "platform/file_env.h"
#include "platform/text_file.h"
#include "platform/text_util.h"

namespace {

// The weekend's name in the sponsor's list of Cabrillo contest names, as a
// submitted log must give it.
std::string ContestName(int cwContest) { return cwContest ? "CQ-160-CW" : "CQ-160-SSB"; }

std::string Padded(const std::string& text, std::size_t width, bool left) {
    if (text.size() >= width) return text;
    const std::string fill(width - text.size(), ' ');
    return left ? text + fill : fill + text;
}

// The stored form keeps a soapbox of several lines on one settings line.
std::string EncodeSoapBox(const std::string& text) {
    return replaceAll(replaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string DecodeSoapBox(const std::string& text) {
    return replaceAll(replaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

// Header fields kept in the settings, in the order they are stored after
// OK. "Category", "Category_Overlay" and "Contest" are stored but never read
// back: those fields start from the defaults at every export.
struct StoredField {
    const char* key;
    std::string CabrilloHeader::*field;
    bool readBack;
};
const StoredField kStoredFields[] = {
    {"Operators", &CabrilloHeader::operators, true},
    {"Name", &CabrilloHeader::name, true},
    {"Address", &CabrilloHeader::address, true},
    {"Address_City", &CabrilloHeader::addressCity, true},
    {"Address_St_Prov", &CabrilloHeader::addressStateProv, true},
    {"Address_PostalCode", &CabrilloHeader::addressPostalCode, true},
    {"Address_Country", &CabrilloHeader::addressCountry, true},
    {"Category", &CabrilloHeader::categoryOperator, false},
    {"Category_Overlay", &CabrilloHeader::categoryOverlay, false},
    {"Contest", &CabrilloHeader::contest, false},
    {"Email", &CabrilloHeader::email, true},
    {"Club", &CabrilloHeader::club, true},
    {"SoapBox", &CabrilloHeader::soapBox, true},
};

}  // namespace

std::string replaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement) {
    if (search.empty() || search == replacement) return text;
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(search, from)) != std::string::npos;
         from = at + search.size()) {
        out.append(text, from, at - from);
        out += replacement;
    }
    out.append(text, from, std::string::npos);
    return out;
}

std::string CabrilloFileBase(const std::string& ownCall) {
    const std::size_t begin = ownCall.find_first_not_of(" \t\r\n\v\f");
    if (begin == std::string::npos) return "TAVU";
    const std::size_t end = ownCall.find_last_not_of(" \t\r\n\v\f");
    std::string base = ownCall.substr(begin, end - begin + 1);
    // Only what names a file in the current folder on both systems: a
    // drive ("C:X"), a folder (".." or "A/B") or a device name cannot form.
    for (char& c : base) {
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!safe) c = '_';
    }
    return base;
}

int CabrilloExport::beginExport(const std::string& ownCall, const COleDateTime& periodStart,
                                const COleDateTime& periodEnd, const Settings& settings,
                                int cwContest) {
    CabrilloHeader& h = header_;
    h = CabrilloHeader();
    h.ownCall = ownCall;
    periodStart_ = periodStart;
    periodEnd_ = periodEnd;
    fileBase_ = CabrilloFileBase(ownCall);

    for (const StoredField& f : kStoredFields) {
        if (f.readBack) h.*f.field = settings.ReadText(f.key);
    }
    if (h.operators.empty()) h.operators = ownCall;
    h.soapBox = DecodeSoapBox(h.soapBox);
    h.claimed = settings.ReadText("Claimed");

    h.contest = ContestName(cwContest);
    h.categoryOperator = "SINGLE-OP";
    h.categoryOverlay = "NONE";
    h.categoryMode = cwContest ? "CW" : "SSB";
    h.categoryBand = "160M";
    h.categoryPower = "HIGH";
    h.categoryTransmitter = "ONE";
    h.location = "DX";
    h.categoryStation = "FIXED";
    h.categoryAssisted = "NON-ASSISTED";

    CabrilloHeader edited = h;
    if (!ShowCabrilloDialog(&edited)) return 0;
    edited.claimed = h.claimed;
    h = edited;

    h.soapBox = EncodeSoapBox(h.soapBox);
    for (const StoredField& f : kStoredFields) settings.WriteText(f.key, h.*f.field);

    // One SOAPBOX line per line of text in the file.
    h.soapBox = replaceAll(replaceAll(h.soapBox, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
    qsoLines_.clear();
    return 1;
}

void CabrilloExport::addQsoLine(const std::string& call, int freqKHz, const std::string& modeText,
                                const COleDateTime& time, const std::string& /*rstSent*/,
                                const std::string& exchSent, const std::string& /*rstRcvd*/,
                                const std::string& exchRcvd, int cwContest) {
    // The reports are written as the contest's fixed 599 / 59.
    const char* report = cwContest ? "599" : "59 ";
    std::string received = exchRcvd;
    if (received.size() == 4) received = std::string("0") + received[0] + " " + received.substr(2);
    std::string line = "QSO: " + Padded(std::to_string(freqKHz), 5, false) + " " +
                       Padded(modeText, 2, false) + " " + time.Format("%Y-%m-%d %H%M") + " " +
                       Padded(header_.ownCall, 13, true) + " " + report + " " +
                       Padded(exchSent, 5, true) + "  " + Padded(call, 12, true) + "  " + report +
                       " " + received;
    // A line break in a host text must not split the QSO line.
    for (char& c : line) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    qsoLines_.push_back(line + "\r\n");
}

std::string CabrilloExport::writeFile(int cwContest, int claimedScore,
                                      const std::string& hostVersion) {
    const CabrilloHeader& h = header_;
    std::string text = "START-OF-LOG: 3.0\r\n";
    auto tag = [&text](const char* name, const std::string& value) {
        text += name;
        text += value;
        text += "\r\n";
    };
    tag("CALLSIGN: ", h.ownCall);
    tag("CONTEST: ", ContestName(cwContest));
    tag("CATEGORY-OPERATOR: ", h.categoryOperator);
    tag("CATEGORY-ASSISTED: ", h.categoryAssisted);
    tag("CATEGORY-BAND: ", h.categoryBand);
    tag("CATEGORY-MODE: ", h.categoryMode);
    tag("CATEGORY-POWER: ", h.categoryPower);
    tag("CATEGORY-STATION: ", h.categoryStation);
    tag("CATEGORY-TRANSMITTER: ", h.categoryTransmitter);
    tag("CLAIMED-SCORE: ", std::to_string(claimedScore));
    tag("CLUB: ", h.club);
    tag("CREATED-BY: Harlo ", hostVersion);
    tag("LOCATION: ", h.location);
    tag("EMAIL: ", h.email);
    tag("NAME: ", h.name);
    tag("ADDRESS: ", h.address);
    tag("ADDRESS-CITY: ", h.addressCity);
    tag("ADDRESS-STATE-PROVINCE: ", h.addressStateProv);
    tag("ADDRESS-POSTALCODE: ", h.addressPostalCode);
    tag("ADDRESS-COUNTRY: ", h.addressCountry);
    tag("OPERATORS: ", h.operators);
    tag("SOAPBOX: ", h.soapBox);
    for (const std::string& line : qsoLines_) text += line;
    text += "END-OF-LOG:\r\n";
    qsoLines_.clear();

    const std::string name = fileBase_ + ".cbr";
    // An earlier export of the same call stays whole unless this one is
    // complete (a full disk must not leave a fragment in its place).
    const bool written = WriteFileAtomically(NativePath(name), text);
    return (written ? "File produced: " : "File not produced: ") + name;
}
