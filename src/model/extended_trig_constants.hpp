#pragma once

// Written by tools/trig_constants.py: do not edit.
#include <cstdint>

#include "numeric/extended.hpp"

namespace msa {

// The constants of the model's own trigonometry (extended_trig.cpp,
// extended_atan.cpp): pi by Machin's formula in exact integers, the
// arctangents by Euler's series, each value rounded once to the 64-bit
// significand of the extended format.
namespace trig_constants {

inline constexpr Extended kTwoOverPi = extendedConstant(0xa2f9836e4e44152a, -64);
inline constexpr Extended kQuarterPi = extendedConstant(0xc90fdaa22168c235, -64);
// pi/2 in three parts: the first cut to a multiple of 2^-31 (31 bits), the
// rest cut to a multiple of 2^-63 (30 bits), what then remains rounded;
// pi/2 less all three is below 2^-129.
inline constexpr Extended kHalfPiPart1 = extendedConstant(0xc90fdaa200000000, -63);
inline constexpr Extended kHalfPiPart2 = extendedConstant(0x85a308d000000000, -97);
inline constexpr Extended kHalfPiPart3 = extendedConstant(0xc4c6628b80dc1cd1, -127);
// pi/2 rounded, and what it lacks of pi/2, rounded.
inline constexpr Extended kHalfPiHigh = extendedConstant(0xc90fdaa22168c235, -63);
inline const Extended kHalfPiLow = -extendedConstant(0xece675d1fc8f8cbb, -129);

// Taylor coefficients, each 1/n! rounded once: sin r = r + r^3 S(r^2) with
// S = -1/3! + r^2/5! - ... - r^16/19!, cos r = 1 - r^2/2 + r^4 C(r^2) with
// C = 1/4! - r^2/6! + ... + r^16/20!. For |r| <= pi/4 the first terms left
// out (r^21/21!, r^22/22!) are below 2^-72 of the result.
inline const Extended kSin[] = {
    -extendedConstant(0xaaaaaaaaaaaaaaab, -66),  // -1/3!
    extendedConstant(0x8888888888888889, -70),  // +1/5!
    -extendedConstant(0xd00d00d00d00d00d, -76),  // -1/7!
    extendedConstant(0xb8ef1d2ab6399c7d, -82),  // +1/9!
    -extendedConstant(0xd7322b3faa271c7f, -89),  // -1/11!
    extendedConstant(0xb092309d43684be5, -96),  // +1/13!
    -extendedConstant(0xd73f9f399dc0f88f, -104),  // -1/15!
    extendedConstant(0xca963b81856a5359, -112),  // +1/17!
    -extendedConstant(0x97a4da340a0ab926, -120),  // -1/19!
};
inline const Extended kCos[] = {
    extendedConstant(0xaaaaaaaaaaaaaaab, -68),  // +1/4!
    -extendedConstant(0xb60b60b60b60b60b, -73),  // -1/6!
    extendedConstant(0xd00d00d00d00d00d, -79),  // +1/8!
    -extendedConstant(0x93f27dbbc4fae397, -85),  // -1/10!
    extendedConstant(0x8f76c77fc6c4bdaa, -92),  // +1/12!
    -extendedConstant(0xc9cba54603e4e906, -100),  // -1/14!
    extendedConstant(0xd73f9f399dc0f88f, -108),  // +1/16!
    -extendedConstant(0xb413c31dcbecbbde, -116),  // -1/18!
    extendedConstant(0xf2a15d201011283d, -125),  // +1/20!
};

// atan d = d + d^3 A(d^2), A = -1/3 + d^2/5 - d^4/7 + ..., each 1/n rounded
// once. For |d| <= 2^-7 (1 + 2^-16) the first five terms leave out less than
// 2^-87 of d (d^13/13); for |d| < 1/8 all twelve less than 2^-76 (d^27/27).
inline const Extended kAtan[] = {
    -extendedConstant(0xaaaaaaaaaaaaaaab, -65),  // -1/3
    extendedConstant(0xcccccccccccccccd, -66),  // +1/5
    -extendedConstant(0x9249249249249249, -66),  // -1/7
    extendedConstant(0xe38e38e38e38e38e, -67),  // +1/9
    -extendedConstant(0xba2e8ba2e8ba2e8c, -67),  // -1/11
    extendedConstant(0x9d89d89d89d89d8a, -67),  // +1/13
    -extendedConstant(0x8888888888888889, -67),  // -1/15
    extendedConstant(0xf0f0f0f0f0f0f0f1, -68),  // +1/17
    -extendedConstant(0xd79435e50d79435e, -68),  // -1/19
    extendedConstant(0xc30c30c30c30c30c, -68),  // +1/21
    -extendedConstant(0xb21642c8590b2164, -68),  // -1/23
    extendedConstant(0xa3d70a3d70a3d70a, -68),  // +1/25
};
// atan(j/64) for j = 0 ... 64, as a rounded high part and the rounded rest.
struct AtanPoint {
  Extended high, low;
};
inline const AtanPoint kAtanTable[] = {
    {Extended(0), Extended(0)},
    {extendedConstant(0xfffaaadddb94d5bc, -70), -extendedConstant(0xc39d4dff5044fdbf, -137)},
    {extendedConstant(0xffeaaddd4bb12542, -69), extendedConstant(0xef3aeedbb518c427, -134)},
    {extendedConstant(0xbfdc0c2186d14fcf, -68), extendedConstant(0x8838435877d5bb1c, -134)},
    {extendedConstant(0xffaaddb967ef4e37, -68), -extendedConstant(0xd361b48fc747cabb, -134)},
    {extendedConstant(0x9facf873e2aceb59, -67), -extendedConstant(0xcc75e881ee326413, -132)},
    {extendedConstant(0xbf70c13017887461, -67), -extendedConstant(0xd953030f660f9313, -132)},
    {extendedConstant(0xdf1cf5f3783e1bef, -67), extendedConstant(0xe3ca681661cbb3dd, -132)},
    {extendedConstant(0xfeadd4d5617b6e33, -67), -extendedConstant(0xdda19d8305ddc422, -133)},
    {extendedConstant(0x8f0fd7d821b93726, -66), -extendedConstant(0x85914dacf8bea0cc, -131)},
    {extendedConstant(0x9eb77746331362c3, -66), extendedConstant(0x8ec33a4a06c1fd0b, -131)},
    {extendedConstant(0xae4c08f1f6134efb, -66), -extendedConstant(0x95658021e7a42cd8, -131)},
    {extendedConstant(0xbdcbda5e72d81134, -66), extendedConstant(0xf6169f103938e90f, -131)},
    {extendedConstant(0xcd35474b643130e8, -66), -extendedConstant(0x9fe184bcb722298b, -131)},
    {extendedConstant(0xdc86ba9493051023, -66), -extendedConstant(0x9de5a3e34aad0fd8, -134)},
    {extendedConstant(0xebbeaef902b9b38d, -66), -extendedConstant(0xdcbab2e9a0850e31, -131)},
    {extendedConstant(0xfadbafc96406eb15, -66), extendedConstant(0xdb8f3debef442fcb, -131)},
    {extendedConstant(0x84ee2cbec31b12c6, -65), -extendedConstant(0xdc6379a3cd50b175, -131)},
    {extendedConstant(0x8c5fad185f8bc131, -65), -extendedConstant(0xd6e2dd3901df59cc, -131)},
    {extendedConstant(0x93c1b902bf7a2df1, -65), extendedConstant(0xc8b2480dfc288f49, -134)},
    {extendedConstant(0x9b13b9b83f5e5e6a, -65), -extendedConstant(0xe9512d9cb6143360, -131)},
    {extendedConstant(0xa25521b615784d45, -65), extendedConstant(0x86f0ea931171b3c7, -130)},
    {extendedConstant(0xa9856cca8e6a4edb, -65), -extendedConstant(0xcc901108104c2e7e, -130)},
    {extendedConstant(0xb0a420184e7f0cb2, -65), -extendedConstant(0x95c55c47bfebe07b, -130)},
    {extendedConstant(0xb7b0ca0f26f78474, -65), -extendedConstant(0xeab9bdba460376fa, -130)},
    {extendedConstant(0xbeab025b1d9fbad4, -65), -extendedConstant(0xdde8f536d97ddfb4, -130)},
    {extendedConstant(0xc59269ca50d92b6e, -65), -extendedConstant(0xbd1722dc15ebae44, -130)},
    {extendedConstant(0xcc66aa2a6b58c33d, -65), -extendedConstant(0x9b3b817ac49920f2, -131)},
    {extendedConstant(0xd327761e611fe5b6, -65), extendedConstant(0x84f92bd2003ce26d, -130)},
    {extendedConstant(0xd9d488ed32e3635c, -65), extendedConstant(0xc3d8e5282018d175, -131)},
    {extendedConstant(0xe06da64a764f7c68, -65), -extendedConstant(0xe73849a619cd1ff1, -131)},
    {extendedConstant(0xe6f29a19609a84ba, -65), extendedConstant(0xc16ef9c394db8591, -130)},
    {extendedConstant(0xed63382b0dda7b45, -65), extendedConstant(0xdfc88bd978751a07, -130)},
    {extendedConstant(0xf3bf5bf8bad1a21d, -65), -extendedConstant(0xb08f9032f2a4180c, -130)},
    {extendedConstant(0xfa06e85aa0a0be5c, -65), extendedConstant(0xcda478fabb91d984, -130)},
    {extendedConstant(0x801ce39e0d205c9a, -64), -extendedConstant(0xb252727564d8f4d3, -129)},
    {extendedConstant(0x832bf4a6d9867e2a, -64), extendedConstant(0x96d41396c34a2b82, -129)},
    {extendedConstant(0x8630a2dada1ed066, -64), -extendedConstant(0xb05ec4abfb0d720a, -130)},
    {extendedConstant(0x892aecdfde9547b5, -64), extendedConstant(0x94478fc472b4afb9, -132)},
    {extendedConstant(0x8c1ad445f3e09b8c, -64), extendedConstant(0x873b0030c040b242, -129)},
    {extendedConstant(0x8f005d5ef7f59f9b, -64), extendedConstant(0xb906bc2ccb886e8f, -129)},
    {extendedConstant(0x91db8f1664f350e2, -64), extendedConstant(0x8727ce08937010ff, -131)},
    {extendedConstant(0x94ac72c9847186f6, -64), extendedConstant(0xc6279c9fbc5197c8, -131)},
    {extendedConstant(0x97731420365e538c, -64), -extendedConstant(0xa85803cc1ca2929b, -129)},
    {extendedConstant(0x9a2f80e671bdda20, -64), extendedConstant(0x844df1c4409fe77a, -129)},
    {extendedConstant(0x9ce1c8e6a0b8cdba, -64), -extendedConstant(0x8663b17e8b30ee3a, -132)},
    {extendedConstant(0x9f89fdc4f4b7a1ed, -64), -extendedConstant(0xe96db3761f1fc40c, -133)},
    {extendedConstant(0xa22832dbcadaae09, -64), -extendedConstant(0xda02c7ef390a1e34, -129)},
    {extendedConstant(0xa4bc7d1934f70924, -64), extendedConstant(0xcd43f9522bed64f7, -131)},
    {extendedConstant(0xa746f2ddb7602294, -64), extendedConstant(0xcf6facde5ae9c032, -129)},
    {extendedConstant(0xa9c7abdc4830f5c9, -64), -extendedConstant(0xdd2af694830d9814, -129)},
    {extendedConstant(0xac3ec0fb997dd6a2, -64), -extendedConstant(0xb93b18b52a0ae218, -129)},
    {extendedConstant(0xaeac4c38b4d8c080, -64), extendedConstant(0xa392f179f2903850, -131)},
    {extendedConstant(0xb110688aebdc6f6a, -64), extendedConstant(0x87acaf1173ed4f6a, -129)},
    {extendedConstant(0xb36b31c91f043691, -64), extendedConstant(0xb20282e888c5f274, -129)},
    {extendedConstant(0xb5bcc49059ecc4b0, -64), -extendedConstant(0xe186231438df0551, -133)},
    {extendedConstant(0xb8053e2bc2319e74, -64), -extendedConstant(0xd3496ab7bd6eef0b, -130)},
    {extendedConstant(0xba44bc7dd470782f, -64), extendedConstant(0xca9859621285c70c, -129)},
    {extendedConstant(0xbc7b5deae98af281, -64), -extendedConstant(0xafbb3fe45fc135c0, -130)},
    {extendedConstant(0xbea94144fd049aac, -64), extendedConstant(0x821e2f3aa94173e8, -131)},
    {extendedConstant(0xc0ce85b8ac526641, -64), -extendedConstant(0xec453a7722da0bb6, -129)},
    {extendedConstant(0xc2eb4abb661628b6, -64), -extendedConstant(0x9918037473c88c0a, -129)},
    {extendedConstant(0xc4ffaffabf8fbd55, -64), -extendedConstant(0xe69785de86c3fbbd, -129)},
    {extendedConstant(0xc70bd54ce602ee14, -64), -extendedConstant(0xc1558217b06a0e40, -131)},
    {extendedConstant(0xc90fdaa22168c235, -64), -extendedConstant(0xece675d1fc8f8cbb, -130)},
};

// The bits of 2/pi after the point, 32 to a word, first word first, after
// 3 zero words: enough for a window of 256 bits that starts 64 bits
// before the exponent of the largest argument (16383).
inline constexpr int kTwoOverPiPadWords = 3;
inline constexpr std::uint32_t kTwoOverPiBits[] = {
    0x00000000, 0x00000000, 0x00000000, 0xa2f9836e, 0x4e441529, 0xfc2757d1, 0xf534ddc0, 0xdb629599,
    0x3c439041, 0xfe5163ab, 0xdebbc561, 0xb7246e3a, 0x424dd2e0, 0x06492eea, 0x09d1921c, 0xfe1deb1c,
    0xb129a73e, 0xe88235f5, 0x2ebb4484, 0xe99c7026, 0xb45f7e41, 0x3991d639, 0x835339f4, 0x9c845f8b,
    0xbdf9283b, 0x1ff897ff, 0xde05980f, 0xef2f118b, 0x5a0a6d1f, 0x6d367ecf, 0x27cb09b7, 0x4f463f66,
    0x9e5fea2d, 0x7527bac7, 0xebe5f17b, 0x3d0739f7, 0x8a5292ea, 0x6bfb5fb1, 0x1f8d5d08, 0x56033046,
    0xfc7b6bab, 0xf0cfbc20, 0x9af4361d, 0xa9e39161, 0x5ee61b08, 0x6599855f, 0x14a06840, 0x8dffd880,
    0x4d732731, 0x06061556, 0xca73a8c9, 0x60e27bc0, 0x8c6b47c4, 0x19c367cd, 0xdce8092a, 0x8359c476,
    0x8b961ca6, 0xddaf44d1, 0x5719053e, 0xa5ff0705, 0x3f7e33e8, 0x32c2de4f, 0x98327dbb, 0xc33d26ef,
    0x6b1e5ef8, 0x9f3a1f35, 0xcaf27f1d, 0x87f12190, 0x7c7c246a, 0xfa6ed577, 0x2d30433b, 0x15c614b5,
    0x9d19c3c2, 0xc4ad414d, 0x2c5d000c, 0x467d862d, 0x71e39ac6, 0x9b006233, 0x7cd2b497, 0xa7b4d555,
    0x37f63ed7, 0x1810a3fc, 0x764d2a9d, 0x64abd770, 0xf87c6357, 0xb07ae715, 0x175649c0, 0xd9d63b38,
    0x84a7cb23, 0x24778ad6, 0x23545ab9, 0x1f001b0a, 0xf1dfce19, 0xff319f6a, 0x1e666157, 0x9947fbac,
    0xd87f7eb7, 0x652289e8, 0x3260bfe6, 0xcdc4ef09, 0x366cd43f, 0x5dd7de16, 0xde3b5892, 0x9bde2822,
    0xd2e88628, 0x4d58e232, 0xcac616e3, 0x08cb7de0, 0x50c017a7, 0x1df35be0, 0x1834132e, 0x62128301,
    0x48835b8e, 0xf57fb0ad, 0xf2e91e43, 0x4a48d367, 0x10d8ddaa, 0x425faece, 0x616aa428, 0x0ab499d3,
    0xf2a6067f, 0x775c83c2, 0xa3883c61, 0x78738a5a, 0x8cafbdd7, 0x6f63a62d, 0xcbbff4ef, 0x818d67c1,
    0x2645ca55, 0x36d9cad2, 0xa8288d61, 0xc277c912, 0x1426049b, 0x4612c459, 0xc444c5c8, 0x91b24df3,
    0x1700ad43, 0xd4e54929, 0x10d5fdfc, 0xbe00cc94, 0x1eeece70, 0xf53e1380, 0xf1ecc3e7, 0xb328f8c7,
    0x9405933e, 0x71c1b309, 0x2ef3450b, 0x9c12887b, 0x20ab9fb5, 0x2ec29247, 0x2f327b6d, 0x550c90a7,
    0x721fe76b, 0x96cb314a, 0x1679e279, 0x4189dff4, 0x9794e884, 0xe6e29731, 0x996bed88, 0x365f5f0e,
    0xfdbbb49a, 0x486ca467, 0x42727132, 0x5d8db815, 0x9f09e5bc, 0x25318d39, 0x74f71c05, 0x30010c0d,
    0x68084b58, 0xee2c90aa, 0x4702e774, 0x24d6bda6, 0x7df77248, 0x6eef169f, 0xa6948ef6, 0x91b45153,
    0xd1f20acf, 0x3398207e, 0x4bf56863, 0xb25f3edd, 0x035d407f, 0x89852952, 0x55c06437, 0x10d86d32,
    0x4832754c, 0x5bd4714e, 0x6e5445c1, 0x090b69f5, 0x2ad56614, 0x9d072750, 0x045ddb3b, 0xb4c576ea,
    0x17f9877d, 0x6b49ba27, 0x1d296996, 0xacccc654, 0x14ad6ae2, 0x9089d988, 0x50722cbe, 0xa4049407,
    0x777030f3, 0x27fc00a8, 0x71ea49c2, 0x663de064, 0x83dd9797, 0x3fa3fd94, 0x438c860d, 0xde41319d,
    0x39928c70, 0xdde7b717, 0x3bdf082b, 0x3715a080, 0x5c93805a, 0x921110d8, 0xe80faf80, 0x6c4bffdb,
    0x0f903876, 0x185915a5, 0x62bbcb61, 0xb989c7bd, 0x401004f2, 0xd2277549, 0xf6b6ebbb, 0x22dbaa14,
    0x0a2f2689, 0x76836433, 0x3b091a94, 0x0eaa3a51, 0xc2a31dae, 0xedaf1226, 0x5c4dc26d, 0x9c7a2d97,
    0x56c0833f, 0x03f6f009, 0x8c402b99, 0x316d07b4, 0x3915200c, 0x5bc3d8c4, 0x92f54bad, 0xc6a5ca4e,
    0xcd37a736, 0xa9e69492, 0xab6842dd, 0xde6319ef, 0x8c76528b, 0x6837dbfc, 0xaba1ae31, 0x15dfa1ae,
    0x00dafb0c, 0x664d64b7, 0x05ed3065, 0x29bf5657, 0x3aff47b9, 0xf96af3be, 0x75df9328, 0x3080abf6,
    0x8c6615cb, 0x040622fa, 0x1de4d9a4, 0xb33d8f1b, 0x5709cd36, 0xe9424ea4, 0xbe13b523, 0x331aaaf0,
    0xa8654fa5, 0xc1d20f3f, 0x0bcd785b, 0x76f92304, 0x8b7b7217, 0x8953a6c6, 0xe26e6f00, 0xebef584a,
    0x9bb7dac4, 0xba66aacf, 0xcf761d02, 0xd12df1b1, 0xc1998c77, 0xadc3da48, 0x86a05df7, 0xf480c62f,
    0xf0ac9aec, 0xddbc5c3f, 0x6dded01f, 0xc790b6db, 0x2a3a25a3, 0x9aaf0093, 0x53ad0457, 0xb6b42d29,
    0x7e804ba7, 0x07da0eaa, 0x76a1597b, 0x2a12162d, 0xb7dcfde5, 0xfafedb89, 0xfdbe896c, 0x76e4fca9,
    0x0670803e, 0x156e85ff, 0x87fd073e, 0x28336761, 0x86182aea, 0xbd4dafe7, 0xb36e6d8f, 0x3967955b,
    0xbf3148d7, 0x8416df30, 0x432dc735, 0x6125ce70, 0xc9b8cb30, 0xfd6cbfa2, 0x00a4e46c, 0x05a0dd5a,
    0x476f21d2, 0x1262845c, 0xb9496170, 0xe0566b01, 0x52993755, 0x50b7d51e, 0xc4f1335f, 0x6e13e430,
    0x5da92e85, 0xc3b21d36, 0x32a1a4b7, 0x08d4b1ea, 0x21f716e4, 0x698f77ff, 0x2780030c, 0x2d408da0,
    0xcd4f99a5, 0x20d3a2b3, 0x0a5d2f42, 0xf9b4cbda, 0x11d0be7d, 0xc1db9bbd, 0x17ab81a2, 0xca5c6a08,
    0x17552e55, 0x0027f014, 0x7f8607e1, 0x640b148d, 0x4196debe, 0x872afdda, 0xb6256b34, 0x897bfef3,
    0x059ebfb9, 0x4f6a68a8, 0x2a4a5ac4, 0x4fbcf82d, 0x985ad795, 0xc7f48d4d, 0x0da63a20, 0x5f57a4b1,
    0x3f149538, 0x800120cc, 0x86dd71b6, 0xdec9f560, 0xbf11654d, 0x6b0701ac, 0xb08cd0c0, 0xb2485551,
    0x0efb1ec3, 0x72953b06, 0xa33540c0, 0x7bdc06cc, 0x45e0fa29, 0x4ec8cad6, 0x41f3e8de, 0x647cd864,
    0x9b31bed9, 0xc397a4d4, 0x5877c5e3, 0x6913daf0, 0x3c3aba46, 0x18465f75, 0x55f5bdd2, 0xc6926e5d,
    0x2eaced44, 0x0e423e1c, 0x87c461e9, 0xfd29f3d6, 0xe7ca7c22, 0x35916fc5, 0xe0088dd7, 0xffe26a6e,
    0xc6fdb0c1, 0x0893745d, 0x7cb2ad6b, 0x9d6ecd7b, 0x723e6a11, 0xc6a9cff7, 0xdf7329ba, 0xc9b55100,
    0xb70db2e2, 0x24ba7460, 0x7de58ad8, 0x742c150d, 0x0c188194, 0x667e1629, 0x01767a9f, 0xbefdfdef,
    0x4556367e, 0xd913d9ec, 0xb9ba8bfc, 0x97c427a8, 0x31c36ef1, 0x36c59456, 0xa8d8b5a8, 0xb40ecccf,
    0x2d891234, 0x576f8956, 0x2ce3ce99, 0xb920d6aa, 0x5e6b9c2a, 0x3ecc5f11, 0x4a0bfdfb, 0xf4e16d3b,
    0x8e2c86e2, 0x84d4e9a9, 0xb4fcd1ee, 0xefc9352e, 0x61392f44, 0x2138c8d9, 0x1b0afc81, 0x6a4afbd8,
    0x1c2f84b4, 0x538c994e, 0xcc2254dc, 0x552ad6c6, 0xc096190b, 0xb8701a64, 0x9569605a, 0x26ee523f,
    0x0f117f11, 0xb5f4f5cb, 0xfc2dbc34, 0xeebc34cc, 0x5de8605e, 0xdd9b8e67, 0xef3392b8, 0x17c99b58,
    0x61bc57e1, 0xc6835110, 0x3ed84871, 0xdddd1c2d, 0xa118af46, 0x2c21d7f3, 0x59987ad9, 0xc0549efa,
    0x864ffc06, 0x56ae79e5, 0x36228922, 0xad38dc93, 0x67aae855, 0x3826829b, 0xe7caa40d, 0x51b13399,
    0x0ed7a948, 0x0569f0b2, 0x65a7887f, 0x974c8836, 0xd1f9b392, 0x214a827b, 0x21cf98dc, 0x9f405547,
    0xdc3a74e1, 0x42eb67df, 0x9dfe5fd4, 0x5ea4677b, 0x7aacbaa2, 0xf6552388, 0x2b55ba41, 0x086e5986,
    0x2a218347, 0x39e6e389, 0xd49ee540, 0xfb49e956, 0xffca0f1c, 0x8a59c52b, 0xfa94c5c1, 0xd3cfc50f,
    0xae5adb86, 0xc5476243, 0x853b8621, 0x94792c87, 0x61107b4c, 0x2a1a2c80, 0x12bf4390, 0x2688893c,
    0x78e4c4a8, 0x7bdbe5c2, 0x3ac4eaf4, 0x268a67f7, 0xbf920d2b, 0xa365b193, 0x3d0b7cbd, 0xdc51a463,
    0xdd27dde1, 0x6919949a, 0x9529a828, 0xce68b4ed, 0x09209f44, 0xca984e63, 0x8270237c, 0x7e32b90f,
    0x8ef5a7e7, 0x561408f1, 0x212a9db5, 0x4d7e6f51, 0x19a5abf9, 0xb5d6df82, 0x61dd9602, 0x36169f3a,
    0xc4a1a283, 0x6ded727a, 0x8d39a9b8, 0x825c326b, 0x5b2746ed, 0x34007700, 0xd255f4fc, 0x4d590180,
    0x71e0e13f, 0x89b295f3, 0x64a8f1ae, 0xa74b38fc, 0x4ceab2bb,
};

}  // namespace trig_constants

}  // namespace msa
