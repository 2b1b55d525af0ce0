#pragma once

// Windows and templates ask for the fonts of a Chinese desktop (宋体, 黑体, 华文细黑,
// 新宋体); where those are not installed the nearest Noto CJK face stands in.
void registerFontSubstitutes();
