#pragma once

// Written by tools/trig_constants.py: do not edit.
#include <cstdint>

#include "numeric/extended.hpp"

namespace msa {

// The constants of our own trigonometry (trigonometry.cpp,
// arctangent.cpp): pi by Machin's formula in exact integers, the
// arctangents by Euler's series, each value rounded once to the 64-bit
// significand of the extended format.
namespace trig_constants {

inline constexpr Extended kTwoOverPi = extendedConstant(0xa2f9836e4e44152a, -64);
inline constexpr Extended kQuarterPi = extendedConstant(0xc90fdaa22168c235, -64);
// pi/2 rounded, and what it lacks of pi/2, rounded.
inline constexpr Extended kHalfPiHigh = extendedConstant(0xc90fdaa22168c235, -63);
inline const Extended kHalfPiLow = -extendedConstant(0xece675d1fc8f8cbb, -129);

// pi/2 times 2^127 rounded, as two words, the high one first.
struct WideWords {
  std::uint64_t high, low;
};
struct NarrowTerm {
  std::uint64_t value;  // the term times 2^scale, rounded
  int scale;
};
inline constexpr WideWords kHalfPiWords = {0xc90fdaa22168c234, 0xc4c6628b80dc1cd1};

// The series of the sine and cosine kernel, in whole numbers: for r <= pi/4,
// z = r^2, sin r = r (1 - z (1/3! - z (1/5! - ...))) and cos r = 1 - z (1/2! -
// z (1/4! - ...)); every partial sum is positive. The first terms left out
// (z^11/23!, z^11/22!) are below 2^-77 of the result.
// sine: 1/3! ... 1/5! times 2^128, then 1/7! ... 1/21! each at its own scale.
inline constexpr WideWords kSinWide[] = {
    {0x2aaaaaaaaaaaaaaa, 0xaaaaaaaaaaaaaaab},  // 1/3!
    {0x0222222222222222, 0x2222222222222222},  // 1/5!
};
inline constexpr NarrowTerm kSinNarrow[] = {
    {0xd00d00d00d00d00d, 76},  // 1/7!
    {0xb8ef1d2ab6399c7d, 82},  // 1/9!
    {0xd7322b3faa271c7f, 89},  // 1/11!
    {0xb092309d43684be5, 96},  // 1/13!
    {0xd73f9f399dc0f88f, 104},  // 1/15!
    {0xca963b81856a5359, 112},  // 1/17!
    {0x97a4da340a0ab926, 120},  // 1/19!
    {0xb8dc77b6e7ab8c5f, 129},  // 1/21!
};
// cosine: 1/2! ... 1/4! times 2^128, then 1/6! ... 1/20! each at its own scale.
inline constexpr WideWords kCosWide[] = {
    {0x8000000000000000, 0x0000000000000000},  // 1/2!
    {0x0aaaaaaaaaaaaaaa, 0xaaaaaaaaaaaaaaab},  // 1/4!
};
inline constexpr NarrowTerm kCosNarrow[] = {
    {0xb60b60b60b60b60b, 73},  // 1/6!
    {0xd00d00d00d00d00d, 79},  // 1/8!
    {0x93f27dbbc4fae397, 85},  // 1/10!
    {0x8f76c77fc6c4bdaa, 92},  // 1/12!
    {0xc9cba54603e4e906, 100},  // 1/14!
    {0xd73f9f399dc0f88f, 108},  // 1/16!
    {0xb413c31dcbecbbde, 116},  // 1/18!
    {0xf2a15d201011283d, 125},  // 1/20!
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

// The bits of 2/pi after the point, 64 to a word, first word first, after
// 2 zero words (so that a window starting 64 bits before the exponent
// of an argument above pi/4 lies in the table), to 320 bits past the
// exponent of the largest argument (16383).
inline constexpr int kTwoOverPiPadWords = 2;
inline constexpr std::uint64_t kTwoOverPiWords[] = {
    0x0000000000000000, 0x0000000000000000, 0xa2f9836e4e441529, 0xfc2757d1f534ddc0,
    0xdb6295993c439041, 0xfe5163abdebbc561, 0xb7246e3a424dd2e0, 0x06492eea09d1921c,
    0xfe1deb1cb129a73e, 0xe88235f52ebb4484, 0xe99c7026b45f7e41, 0x3991d639835339f4,
    0x9c845f8bbdf9283b, 0x1ff897ffde05980f, 0xef2f118b5a0a6d1f, 0x6d367ecf27cb09b7,
    0x4f463f669e5fea2d, 0x7527bac7ebe5f17b, 0x3d0739f78a5292ea, 0x6bfb5fb11f8d5d08,
    0x56033046fc7b6bab, 0xf0cfbc209af4361d, 0xa9e391615ee61b08, 0x6599855f14a06840,
    0x8dffd8804d732731, 0x06061556ca73a8c9, 0x60e27bc08c6b47c4, 0x19c367cddce8092a,
    0x8359c4768b961ca6, 0xddaf44d15719053e, 0xa5ff07053f7e33e8, 0x32c2de4f98327dbb,
    0xc33d26ef6b1e5ef8, 0x9f3a1f35caf27f1d, 0x87f121907c7c246a, 0xfa6ed5772d30433b,
    0x15c614b59d19c3c2, 0xc4ad414d2c5d000c, 0x467d862d71e39ac6, 0x9b0062337cd2b497,
    0xa7b4d55537f63ed7, 0x1810a3fc764d2a9d, 0x64abd770f87c6357, 0xb07ae715175649c0,
    0xd9d63b3884a7cb23, 0x24778ad623545ab9, 0x1f001b0af1dfce19, 0xff319f6a1e666157,
    0x9947fbacd87f7eb7, 0x652289e83260bfe6, 0xcdc4ef09366cd43f, 0x5dd7de16de3b5892,
    0x9bde2822d2e88628, 0x4d58e232cac616e3, 0x08cb7de050c017a7, 0x1df35be01834132e,
    0x6212830148835b8e, 0xf57fb0adf2e91e43, 0x4a48d36710d8ddaa, 0x425faece616aa428,
    0x0ab499d3f2a6067f, 0x775c83c2a3883c61, 0x78738a5a8cafbdd7, 0x6f63a62dcbbff4ef,
    0x818d67c12645ca55, 0x36d9cad2a8288d61, 0xc277c9121426049b, 0x4612c459c444c5c8,
    0x91b24df31700ad43, 0xd4e5492910d5fdfc, 0xbe00cc941eeece70, 0xf53e1380f1ecc3e7,
    0xb328f8c79405933e, 0x71c1b3092ef3450b, 0x9c12887b20ab9fb5, 0x2ec292472f327b6d,
    0x550c90a7721fe76b, 0x96cb314a1679e279, 0x4189dff49794e884, 0xe6e29731996bed88,
    0x365f5f0efdbbb49a, 0x486ca46742727132, 0x5d8db8159f09e5bc, 0x25318d3974f71c05,
    0x30010c0d68084b58, 0xee2c90aa4702e774, 0x24d6bda67df77248, 0x6eef169fa6948ef6,
    0x91b45153d1f20acf, 0x3398207e4bf56863, 0xb25f3edd035d407f, 0x8985295255c06437,
    0x10d86d324832754c, 0x5bd4714e6e5445c1, 0x090b69f52ad56614, 0x9d072750045ddb3b,
    0xb4c576ea17f9877d, 0x6b49ba271d296996, 0xacccc65414ad6ae2, 0x9089d98850722cbe,
    0xa4049407777030f3, 0x27fc00a871ea49c2, 0x663de06483dd9797, 0x3fa3fd94438c860d,
    0xde41319d39928c70, 0xdde7b7173bdf082b, 0x3715a0805c93805a, 0x921110d8e80faf80,
    0x6c4bffdb0f903876, 0x185915a562bbcb61, 0xb989c7bd401004f2, 0xd2277549f6b6ebbb,
    0x22dbaa140a2f2689, 0x768364333b091a94, 0x0eaa3a51c2a31dae, 0xedaf12265c4dc26d,
    0x9c7a2d9756c0833f, 0x03f6f0098c402b99, 0x316d07b43915200c, 0x5bc3d8c492f54bad,
    0xc6a5ca4ecd37a736, 0xa9e69492ab6842dd, 0xde6319ef8c76528b, 0x6837dbfcaba1ae31,
    0x15dfa1ae00dafb0c, 0x664d64b705ed3065, 0x29bf56573aff47b9, 0xf96af3be75df9328,
    0x3080abf68c6615cb, 0x040622fa1de4d9a4, 0xb33d8f1b5709cd36, 0xe9424ea4be13b523,
    0x331aaaf0a8654fa5, 0xc1d20f3f0bcd785b, 0x76f923048b7b7217, 0x8953a6c6e26e6f00,
    0xebef584a9bb7dac4, 0xba66aacfcf761d02, 0xd12df1b1c1998c77, 0xadc3da4886a05df7,
    0xf480c62ff0ac9aec, 0xddbc5c3f6dded01f, 0xc790b6db2a3a25a3, 0x9aaf009353ad0457,
    0xb6b42d297e804ba7, 0x07da0eaa76a1597b, 0x2a12162db7dcfde5, 0xfafedb89fdbe896c,
    0x76e4fca90670803e, 0x156e85ff87fd073e, 0x2833676186182aea, 0xbd4dafe7b36e6d8f,
    0x3967955bbf3148d7, 0x8416df30432dc735, 0x6125ce70c9b8cb30, 0xfd6cbfa200a4e46c,
    0x05a0dd5a476f21d2, 0x1262845cb9496170, 0xe0566b0152993755, 0x50b7d51ec4f1335f,
    0x6e13e4305da92e85, 0xc3b21d3632a1a4b7, 0x08d4b1ea21f716e4, 0x698f77ff2780030c,
    0x2d408da0cd4f99a5, 0x20d3a2b30a5d2f42, 0xf9b4cbda11d0be7d, 0xc1db9bbd17ab81a2,
    0xca5c6a0817552e55, 0x0027f0147f8607e1, 0x640b148d4196debe, 0x872afddab6256b34,
    0x897bfef3059ebfb9, 0x4f6a68a82a4a5ac4, 0x4fbcf82d985ad795, 0xc7f48d4d0da63a20,
    0x5f57a4b13f149538, 0x800120cc86dd71b6, 0xdec9f560bf11654d, 0x6b0701acb08cd0c0,
    0xb24855510efb1ec3, 0x72953b06a33540c0, 0x7bdc06cc45e0fa29, 0x4ec8cad641f3e8de,
    0x647cd8649b31bed9, 0xc397a4d45877c5e3, 0x6913daf03c3aba46, 0x18465f7555f5bdd2,
    0xc6926e5d2eaced44, 0x0e423e1c87c461e9, 0xfd29f3d6e7ca7c22, 0x35916fc5e0088dd7,
    0xffe26a6ec6fdb0c1, 0x0893745d7cb2ad6b, 0x9d6ecd7b723e6a11, 0xc6a9cff7df7329ba,
    0xc9b55100b70db2e2, 0x24ba74607de58ad8, 0x742c150d0c188194, 0x667e162901767a9f,
    0xbefdfdef4556367e, 0xd913d9ecb9ba8bfc, 0x97c427a831c36ef1, 0x36c59456a8d8b5a8,
    0xb40ecccf2d891234, 0x576f89562ce3ce99, 0xb920d6aa5e6b9c2a, 0x3ecc5f114a0bfdfb,
    0xf4e16d3b8e2c86e2, 0x84d4e9a9b4fcd1ee, 0xefc9352e61392f44, 0x2138c8d91b0afc81,
    0x6a4afbd81c2f84b4, 0x538c994ecc2254dc, 0x552ad6c6c096190b, 0xb8701a649569605a,
    0x26ee523f0f117f11, 0xb5f4f5cbfc2dbc34, 0xeebc34cc5de8605e, 0xdd9b8e67ef3392b8,
    0x17c99b5861bc57e1, 0xc68351103ed84871, 0xdddd1c2da118af46, 0x2c21d7f359987ad9,
    0xc0549efa864ffc06, 0x56ae79e536228922, 0xad38dc9367aae855, 0x3826829be7caa40d,
    0x51b133990ed7a948, 0x0569f0b265a7887f, 0x974c8836d1f9b392, 0x214a827b21cf98dc,
    0x9f405547dc3a74e1, 0x42eb67df9dfe5fd4, 0x5ea4677b7aacbaa2, 0xf65523882b55ba41,
    0x086e59862a218347, 0x39e6e389d49ee540, 0xfb49e956ffca0f1c, 0x8a59c52bfa94c5c1,
    0xd3cfc50fae5adb86, 0xc5476243853b8621, 0x94792c8761107b4c, 0x2a1a2c8012bf4390,
    0x2688893c78e4c4a8, 0x7bdbe5c23ac4eaf4, 0x268a67f7bf920d2b, 0xa365b1933d0b7cbd,
    0xdc51a463dd27dde1, 0x6919949a9529a828, 0xce68b4ed09209f44, 0xca984e638270237c,
    0x7e32b90f8ef5a7e7, 0x561408f1212a9db5, 0x4d7e6f5119a5abf9, 0xb5d6df8261dd9602,
    0x36169f3ac4a1a283, 0x6ded727a8d39a9b8, 0x825c326b5b2746ed, 0x34007700d255f4fc,
    0x4d59018071e0e13f, 0x89b295f364a8f1ae, 0xa74b38fc4ceab2bb, 0x47270babc3a734ba,
};

}  // namespace trig_constants

}  // namespace msa
