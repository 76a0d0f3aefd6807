// The stb libraries the board links, compiled from Debian's headers (libstb-dev)
// so that the fuzzer's coverage and AddressSanitizer reach into them.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_image.h>
#include <stb_image_resize.h>
#include <stb_image_write.h>
#include <stb_truetype.h>
