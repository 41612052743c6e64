#include "OrderForm.h"

#include "StoreTexts.h"
#include "catalog/MXCatalog.h"

namespace {

void hiddenField(std::string& form, const char* name, const std::string& value) {
    form += "<INPUT TYPE=\"hidden\" NAME=\"";
    form += name;
    form += "\" VALUE=\"";
    form += value;
    form += "\">\n";
}

}  // namespace

std::string effectiveSiteId(const MXCatalog& catalog) {
    return catalog.DemoMode ? "1012" : catalog.SITEID;
}

std::string effectiveServer(const MXCatalog& catalog) {
    return catalog.DemoMode ? "1" : catalog.SERVER;
}

std::string buildOrderForm(const MXCatalog& catalog, int buttons) {
    const std::string siteId = effectiveSiteId(catalog);
    const std::string server = effectiveServer(catalog);

    std::string form = "<FORM TARGET=\"_top\" ACTION=\"http://www" + server + "." +
                       kCartServiceDomain + "/mini/center/orderarc.cgi?M" + siteId +
                       "\" METHOD=\"POST\">\n";
    hiddenField(form, "00-PARTNERID", catalog.PARTNERID);
    hiddenField(form, "00-SITEID", "M" + siteId);
    hiddenField(form, "00-SERVER", server);
    if (!catalog.BgURL.empty()) hiddenField(form, "10-BGURL", catalog.BgURL);
    hiddenField(form, "10-BGCOLOR", orDefault(catalog.BGColor, "white"));
    hiddenField(form, "10-TEXT", orDefault(catalog.TextColor, "black"));
    hiddenField(form, "10-LINK", orDefault(catalog.LinkColor, "blue"));
    hiddenField(form, "10-ALINK", orDefault(catalog.ALinkColor, "red"));
    hiddenField(form, "10-VLINK", orDefault(catalog.VLinkColor, "blue"));
    hiddenField(form, "10-FONTFACE", orDefault(catalog.FontNames, "Arial, Helvetica, sans-serif"));
    if (!catalog.LogoURL.empty()) hiddenField(form, "10-LOGOURL", catalog.LogoURL);
    // Each button closes the form itself, so both buttons close it twice.
    if (buttons & kListButton)
        form += "<INPUT NAME=\"LISTMOD\" TYPE=\"SUBMIT\" VALUE=\"LIST Cart\"></FORM>\n";
    if (buttons & kEmptyButton)
        form += "<INPUT NAME=\"EMPTY\" TYPE=\"SUBMIT\" VALUE=\"EMPTY Cart\"></FORM>\n";
    return form;
}
