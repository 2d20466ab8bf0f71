#include "host/files/TypeLibNames.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace files {
namespace {

struct Known {
    std::string_view guid; // upper case, with braces
    std::string_view name;
};

// Each GUID is the library identifier that the type library declares for itself (the uuid of
// its "library" block, the LIBID under HKEY_CLASSES_ROOT\TypeLib), which is what project files
// write; each name is that same block's library name, the one the Object Browser and the
// References dialog show. Versions of one library (ADO 2.0 to 6.0) have their own LIBIDs.
constexpr Known kKnown[] = {
    {"{00020430-0000-0000-C000-000000000046}", "stdole"},             // stdole2.tlb
    {"{000204EF-0000-0000-C000-000000000046}", "VBA"},                // msvbvm60.dll
    {"{EA544A21-C82D-11D1-A3E4-00A0C90AEA82}", "VBRUN"},              // msvbvm60.dll\3
    {"{FCFB3D2E-A0FA-1068-A738-08002B3371B5}", "VB"},                 // vb6.olb
    {"{0002E157-0000-0000-C000-000000000046}", "VBIDE"},              // vb6ext.olb
    {"{420B2830-E718-11CF-893D-00A0C9054228}", "Scripting"},          // scrrun.dll
    {"{3F4DACA7-160D-11D2-A8E9-00104B365C9F}", "VBScript_RegExp_55"}, // vbscript.dll\3
    {"{F935DC20-1CF0-11D0-ADB9-00C04FD58A0B}", "IWshRuntimeLibrary"}, // wshom.ocx
    {"{00000200-0000-0010-8000-00AA006D2EA4}", "ADODB"},              // msado15.dll, ADO 2.0
    {"{00000201-0000-0010-8000-00AA006D2EA4}", "ADODB"},              // ADO 2.1
    {"{00000205-0000-0010-8000-00AA006D2EA4}", "ADODB"},              // ADO 2.5
    {"{00000206-0000-0010-8000-00AA006D2EA4}", "ADODB"},              // ADO 2.6
    {"{EF53050B-882E-4776-B643-EDA472E8E3F2}", "ADODB"},              // ADO 2.7
    {"{2A75196C-D9EB-4129-B803-931327F72D5C}", "ADODB"},              // ADO 2.8
    {"{B691E011-1797-432E-907A-4D8C69339129}", "ADODB"},              // ADO 6.0
    {"{00000300-0000-0010-8000-00AA006D2EA4}", "ADOR"},               // msador15.dll
    {"{00000600-0000-0010-8000-00AA006D2EA4}", "ADOX"},               // msadox.dll
    {"{00025E01-0000-0000-C000-000000000046}", "DAO"},                // dao360.dll
    {"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}", "MSComctlLib"},        // mscomctl.ocx
    {"{86CF1D34-0C5F-11D2-A9FC-0000F8754DA1}", "MSComCtl2"},          // mscomct2.ocx
    {"{6B7E6392-850A-101B-AFC0-4210102A8DA7}", "ComctlLib"},          // comctl32.ocx
    {"{F9043C88-F6F2-101A-A3C9-08002B2F49FB}", "MSComDlg"},           // comdlg32.ocx
    {"{3B7C8863-D78F-101B-B9B5-04021C009402}", "RichTextLib"},        // richtx32.ocx
    {"{BDC217C8-ED16-11CD-956C-0000C04E4C0A}", "TabDlg"},             // tabctl32.ocx
    {"{5E9E78A0-531B-11CF-91F6-C2863C385E30}", "MSFlexGridLib"},      // msflxgrd.ocx
    {"{248DD890-BB45-11CF-9ABC-0080C7E7B78D}", "MSWinsockLib"},       // mswinsck.ocx
    {"{648A5603-2C6E-101B-82B6-000000000014}", "MSCommLib"},          // mscomm32.ocx
    {"{20C62CAE-15DA-101B-B9A8-444553540000}", "MSMAPI"},             // msmapi32.ocx
    {"{C932BA88-4374-101B-A56C-00AA003668DC}", "MSMask"},             // msmask32.ocx
    {"{EAB22AC0-30C1-11CF-A7EB-0000C05BAE0B}", "SHDocVw"},            // ieframe.dll, shdocvw.dll
    {"{2DF8D04C-5BFA-101B-BDE5-00AA0044DE52}", "Office"},             // mso.dll
    {"{00020813-0000-0000-C000-000000000046}", "Excel"},              // excel.exe
    {"{00020905-0000-0000-C000-000000000046}", "Word"},               // msword.olb
};

} // namespace

std::optional<std::string_view> TypeLibName(std::string_view guid) {
    std::string upper(guid);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    for (const Known& k : kKnown) {
        if (k.guid == upper) {
            return k.name;
        }
    }
    return std::nullopt;
}

} // namespace files
