#include "host/automation/editor_description.h"

#include "dialog/payload_field_table.h"
#include "dialog/resource.h"
#include "host/automation/dialog_driver.h"
#include "host/text/quoting.h"

namespace {

std::string DescribeList(HWND dialog, int comboId) {
    const std::vector<std::string> entries = ComboEntries(dialog, comboId);
    const LRESULT selected = SendDlgItemMessageA(dialog, comboId, CB_GETCURSEL, 0, 0);
    std::string line;
    for (size_t i = 0; i < entries.size(); ++i) {
        line += i == 0 ? " " : " | ";
        if (static_cast<LRESULT>(i) == selected) line += "*";
        line += entries[i];
    }
    return line;
}

const char* CheckState(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off";
}

}  // namespace

std::string DescribePayloadDialog(HWND dialog) {
    std::string out = "carriers:" + DescribeList(dialog, IDC_CARRIER_LIST) + "\n";
    out += "payloads:" + DescribeList(dialog, IDC_PAYLOAD_LIST) + "\n";
    out += "button: " + ControlText(dialog, IDC_ATTACH_DETACH) + "\n";
    out += "fields:";
    for (const PayloadField& f : kPayloadFields) {
        out += " " + InQuotes(ControlText(dialog, f.editId));
    }
    out += "\n";
    out += std::string("add-forces: ") + CheckState(dialog, IDC_ADD_FORCES) + "\n";
    out += std::string("add-jettison-velocity: ") + CheckState(dialog, IDC_ADD_JETTISON_VELOCITY) +
           "\n";
    return out;
}
