// The shell's own per-user settings and their rules: the welcome-screen switch, the data-type
// warning switch, the menu style, the side bar's side, and Preferences' Reset.
#pragma once

#include "core/registry/SettingsStore.h"
#include "framework/base/CString.h"

// The registry root of the program and its keys (constants, so every source unit sees them
// before any object is built).
inline constexpr char kRegistryRoot[] = "Software\\Talvenor\\Quarvex 3.0\\";
inline constexpr char kModelKey[] = "Software\\Talvenor\\Quarvex 3.0\\Model\\";
inline constexpr char kWarningsKey[] = "Software\\Talvenor\\Quarvex 3.0\\Settings\\Warnings";
inline constexpr char kPromptsKey[] = "Software\\Talvenor\\Quarvex 3.0\\Model\\Prompts";
inline constexpr char kMenuStyleKey[] = "Software\\Talvenor\\Quarvex 3.0\\Settings\\MenuStyle";
inline constexpr char kDocFormKey[] = "Software\\Talvenor\\Quarvex 3.0\\Settings\\DocForm";
inline constexpr char kPreferencesKey[] = "Software\\Talvenor\\Quarvex 3.0\\Preferences";

// The welcome screen shows unless "GettingStartedScreen" holds a number above 0.
BOOL IsGettingStartedScreenOn(ISettingsStore& store);
// "In the future, Do not show this dialog": stores 1.
void StoreGettingStartedScreenOff(ISettingsStore& store);

// The data-type warning asks unless "Switch Data Type Warning" holds 0 (missing: ask).
BOOL IsSwitchDataTypeWarningOn(ISettingsStore& store);
void SetSwitchDataTypeWarning(ISettingsStore& store, int value);

// The stored menu look (1 XP, 0 classic) when the menu-style key exists, else current.
int LoadMenuStyle(ISettingsStore& store, int current);
void SaveMenuStyle(ISettingsStore& store, int look);

// "OnLeft": loading gives 1 for a stored number above 0, 0 for one at or below 0, and keeps
// current when nothing is stored; storing writes 0 or 1.
BYTE LoadSideBarSide(ISettingsStore& store, BYTE current);
void SaveSideBarSide(ISettingsStore& store, BYTE onLeft);

// Preferences' Reset, acted on after OK: every warning and message dialog shows again (the
// welcome screen at the next start, the data-type warning at the next criterion change).
void ResetWarnings(ISettingsStore& store);
