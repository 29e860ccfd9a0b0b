#pragma once
// The command-line parser's own texts in Chinese: its help page's headings and
// its parse errors, which CLI11 writes in English.

#include <CLI/CLI.hpp>

#include <string>

// Chinese headings and help-flag texts for app and all its subcommands, and
// Chinese parse errors; call once every subcommand is added.
void UseChineseParserTexts(CLI::App& app);

// A parse error of CLI11 told in Chinese.
std::string ChineseParseError(const CLI::Error& error);
