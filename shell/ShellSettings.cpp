#include "shell/ShellSettings.h"

#include "core/registry/SettingsKey.h"

namespace {

const char kGettingStartedValue[] = "GettingStartedScreen";
const char kSwitchWarningValue[] = "Switch Data Type Warning";
const char kMenuStyleValue[] = "XPMenuStyle";
const char kOnLeftValue[] = "OnLeft";

}  // namespace

BOOL IsGettingStartedScreenOn(ISettingsStore& store) {
  CSettingsKey key(store);
  if (!key.SetKey(kWarningsKey, FALSE, settings::kAccessRead)) return TRUE;
  return key.ReadInt(kGettingStartedValue, 0) > 0 ? FALSE : TRUE;
}

void StoreGettingStartedScreenOff(ISettingsStore& store) {
  CSettingsKey key(store);
  if (key.SetKey(kWarningsKey, TRUE, settings::kAccessAll)) key.WriteInt(kGettingStartedValue, 1);
}

BOOL IsSwitchDataTypeWarningOn(ISettingsStore& store) {
  CSettingsKey key(store);
  if (!key.SetKey(kPromptsKey, FALSE, settings::kAccessRead)) return TRUE;
  return key.ReadInt(kSwitchWarningValue, 1) != 0;
}

void SetSwitchDataTypeWarning(ISettingsStore& store, int value) {
  CSettingsKey key(store);
  if (key.SetKey(kPromptsKey, TRUE, settings::kAccessAll)) key.WriteInt(kSwitchWarningValue, value);
}

int LoadMenuStyle(ISettingsStore& store, int current) {
  CSettingsKey key(store);
  if (!key.SetKey(kMenuStyleKey, FALSE, settings::kAccessRead)) return current;
  return key.ReadInt(kMenuStyleValue, 0) != 0 ? 1 : 0;
}

void SaveMenuStyle(ISettingsStore& store, int look) {
  CSettingsKey key(store);
  if (key.SetKey(kMenuStyleKey, TRUE, settings::kAccessAll))
    key.WriteInt(kMenuStyleValue, look == 1 ? 1 : 0);
}

BYTE LoadSideBarSide(ISettingsStore& store, BYTE current) {
  CSettingsKey key(store);
  if (!key.SetKey(kDocFormKey, FALSE, settings::kAccessAll)) return current;
  key.SetDirection(0);
  BYTE onLeft = current;
  key.ExchangeFlag(kOnLeftValue, &onLeft);
  return onLeft;
}

void SaveSideBarSide(ISettingsStore& store, BYTE onLeft) {
  CSettingsKey key(store);
  if (!key.SetKey(kDocFormKey, TRUE, settings::kAccessAll)) return;
  key.SetDirection(1);
  BYTE value = onLeft ? 1 : 0;
  key.ExchangeFlag(kOnLeftValue, &value);
}

void ResetWarnings(ISettingsStore& store) {
  CSettingsKey warnings(store);
  if (warnings.SetKey(kWarningsKey, TRUE, settings::kAccessAll))
    warnings.DeleteValue(kGettingStartedValue);
  CSettingsKey prompts(store);
  if (prompts.SetKey(kPromptsKey, FALSE, settings::kAccessAll))
    prompts.DeleteValue(kSwitchWarningValue);
}
