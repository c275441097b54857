// stb's implementations, compiled here alone so that their warnings, which are not ours, can
// be silenced without silencing our own code. The host reaches them through the headers.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_FAILURE_USERMSG
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
