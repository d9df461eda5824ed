#pragma once
// The identity that hosts bind to: type library, class, interfaces, ProgID.

namespace lumtor {

inline constexpr char TypeLibId[] = "{8AAC82CA-0457-464F-BA60-10344DE36CAC}";
inline constexpr char TypeLibName[] = "Lumtorkit";
inline constexpr char TypeLibVersion[] = "1.0";
inline constexpr char TypeLibLocale[] = "0x409";

inline constexpr char ClassId[] = "{C114384D-77C8-42EA-AC21-EA06E084A525}";
inline constexpr char ClassName[] = "Lumtor";
inline constexpr char ProgId[] = "Lumtorkit.Lumtor";

// Default (dual) interface and event (source) interface.
inline constexpr char InterfaceId[] = "{E8969DC9-C07C-47FA-94E5-B3C932EF73C9}";
inline constexpr char InterfaceName[] = "_Lumtor";
inline constexpr char EventInterfaceId[] = "{AD028BAA-7261-499B-A287-3BB0E68EAE9D}";
inline constexpr char EventInterfaceName[] = "__Lumtor";

} // namespace lumtor
