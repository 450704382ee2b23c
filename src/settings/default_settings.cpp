#include "settings/default_settings.h"

#include <array>
#include <string>

#include "platform/atomic_file.h"
#include "settings/ini_file.h"
#include "settings/window_options.h"

namespace qu {
namespace {

struct DefaultKey {
  const char* section;
  const char* key;
  const char* value;
};

// The order is the file's: the utility's sections come out in the order first written.
constexpr std::array<DefaultKey, 29> kDefaultKeys = {{
    {"ProductInfo", "DataFolder", "out/Data"},
    {"ProductInfo", "ApplicationID", "1"},
    {"ProductInfo", "buildNumberIdentifier", "Upd.Dedicated"},
    {"ProductInfo", "InstallationID", "555"},
    {"ProductInfo", "Folder", "."},
    {"Updater", "primaryIndexFileName", "u0607g.xml"},
    {"Updater", "primaryIndexRelativeUrlPath", "index/"},
    {"Updater", "primaryIndexLocalPath", ""},
    {"Updater", "temporary_dir", "Temp"},
    {"Updater", "retranslation_dir", "Updates"},
    {"Updater", "self_region", "<default>"},
    {"Updater", "connect_tmo", "60"},
    {"Updater", "passive_ftp", "1"},
    {"Updater", "tryActiveFtpIfPassiveFails", "1"},
    {"Updater", "proxy", "1"},
    {"Updater", "proxy_url", "proxy"},
    {"Updater", "proxy_port", "8080"},
    {"Updater", "bypassProxyServerForLocalAddresses", "1"},
    {"Updater", "use_ie_proxy", "1"},
    {"Updater", "proxy_authorisation", "0"},
    {"Updater", "proxy_login", ""},
    {"Updater", "proxy_pwd", ""},
    {"Updater", "crypto_lib", ""},
    {"Updater", "proxy_ntlm_access_token", "1"},
    {"Updater", "update_srv_url0", "$QL"},
    {"Updater", "update_srv_url1", ""},
    {"Retranslation", "download_bases", "1"},
    {"Retranslation", "download_patches", "1"},
    {"Retranslation", "component", ""},
}};

}  // namespace

void WriteDefaultSettings(const std::filesystem::path& file, const WindowOptions& gui) {
  // Created empty first so that the password it will hold is never readable by others.
  if (replaceFile(file, "", FileReplace::OwnerOnly)) throw IniWriteError(file);
  IniBatch ini(file);
  for (const DefaultKey& entry : kDefaultKeys)
    ini.WriteString(entry.section, entry.key, entry.value);
  settings(ini, gui);
  ini.commit();
}

}  // namespace qu
