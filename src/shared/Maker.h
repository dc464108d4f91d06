#pragma once

// Everything the program says about its maker is set here and nowhere else.
// The addresses use reserved example domains until the project has its own.
namespace pinatlas::maker {

inline constexpr const char* kSiteName = "pinatlas.example";
inline constexpr const char* kMainSite = "https://www.pinatlas.example/";
inline constexpr const char* kGermanStartPage = "https://www.pinatlas.example/de/";
inline constexpr const char* kProgramPageEn = "https://www.pinatlas.example/en/pinatlas.html";
inline constexpr const char* kProgramPageDe = "https://www.pinatlas.example/de/download.html";
inline constexpr const char* kBookShopEn = "https://books.example.com/?partner=pinatlas";
inline constexpr const char* kBookShopDe = "https://books.example.de/?partner=pinatlas";
inline constexpr const char* kCreditLine = "Pinatlas - written by the Pinatlas developers";
inline constexpr const char* kContactAddress = "contact@pinatlas.example";
inline constexpr const char* kServiceAddress = "datasheets@pinatlas.example";

} // namespace pinatlas::maker
