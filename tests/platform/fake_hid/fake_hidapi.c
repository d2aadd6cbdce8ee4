/* A stand-in for hidapi that plays one Pro Controller on USB, put in front of the real
 * library with LD_PRELOAD by the end-to-end tests.
 *
 * It lists one 057E:2009 interface at FAKE_PROCON_PATH, answers the 0x80 commands with
 * 0x81 replies, and once asked for full reports (sub-command 03 30) sends a 0x30 report
 * every 8 ms. Set in the environment:
 *   KV_FAKE_HID_WRITES       a file; every write is appended as one line of hex bytes
 *   KV_FAKE_PROCON_BUTTONS   button steps "MS=RRSSLL,MS=RRSSLL,...": from MS milliseconds
 *                            after the full-report request, the right, shared and left
 *                            button bytes of the reports (default all released)
 *   KV_FAKE_PROCON_ABSENT    when set, no device is listed
 *   KV_FAKE_PROCON_LOCKED    when set, opening fails as if another program held it
 *   KV_FAKE_PROCON_DENIED    when set, opening fails as if the user had no permission
 */
#define _GNU_SOURCE
#include <hidapi/hidapi.h>

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wchar.h>

#define FAKE_PROCON_PATH "/dev/hidraw-fake0"
#define FAKE_PROCON_PATH_W L"/dev/hidraw-fake0"
#define REPORT_SIZE 64
#define REPORT_PERIOD_NS 8000000LL
#define MAX_REPLIES 8

struct hid_device_ {
  int blocking;
  int full_reports;         /* asked for 0x30 reports */
  long long woken_at;       /* when full reports were asked for */
  long long next_report_at; /* when the next 0x30 report is due */
  unsigned char timer;
  unsigned char replies[MAX_REPLIES][REPORT_SIZE]; /* answers to commands, oldest first */
  int replies_waiting;
};

static const wchar_t* last_error = L"Success";

static long long now_ns(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

static void sleep_ns(long long ns) {
  if (ns <= 0) return;
  struct timespec wait = {(time_t)(ns / 1000000000LL), (long)(ns % 1000000000LL)};
  nanosleep(&wait, NULL);
}

/* The three button bytes in force `since_wake_ms` after the full-report request. */
static void buttons_at(long long since_wake_ms, unsigned char buttons[3]) {
  memset(buttons, 0, 3);
  const char* script = getenv("KV_FAKE_PROCON_BUTTONS");
  if (script == NULL) return;
  while (*script != '\0') {
    char* rest = NULL;
    long long at = strtoll(script, &rest, 10);
    unsigned int right = 0, shared = 0, left = 0;
    if (rest == NULL || *rest != '=' || sscanf(rest + 1, "%2x%2x%2x", &right, &shared, &left) != 3) {
      fprintf(stderr, "fake hidapi: bad KV_FAKE_PROCON_BUTTONS at \"%s\"\n", script);
      return;
    }
    if (at > since_wake_ms) return;
    buttons[0] = (unsigned char)right;
    buttons[1] = (unsigned char)shared;
    buttons[2] = (unsigned char)left;
    const char* comma = strchr(rest, ',');
    if (comma == NULL) return;
    script = comma + 1;
  }
}

static void record_write(const unsigned char* data, size_t length) {
  const char* file_name = getenv("KV_FAKE_HID_WRITES");
  if (file_name == NULL) return;
  FILE* file = fopen(file_name, "a");
  if (file == NULL) return;
  for (size_t i = 0; i < length; ++i) fprintf(file, i == 0 ? "%02x" : " %02x", data[i]);
  fputc('\n', file);
  fclose(file);
}

/* A standard full report: both sticks centred (12-bit 2048). */
static void full_report(hid_device* device, unsigned char* out) {
  unsigned char buttons[3];
  buttons_at((now_ns() - device->woken_at) / 1000000LL, buttons);
  memset(out, 0, REPORT_SIZE);
  out[0] = 0x30;
  out[1] = device->timer++;
  out[2] = 0x91; /* battery full, powered by USB */
  out[3] = buttons[0];
  out[4] = buttons[1];
  out[5] = buttons[2];
  out[6] = 0x00, out[7] = 0x08, out[8] = 0x80;
  out[9] = 0x00, out[10] = 0x08, out[11] = 0x80;
}

/* A zeroed reply at the back of the queue; the oldest is lost when it is full. */
static unsigned char* new_reply(hid_device* device) {
  if (device->replies_waiting == MAX_REPLIES) {
    memmove(device->replies[0], device->replies[1], (MAX_REPLIES - 1) * REPORT_SIZE);
    device->replies_waiting -= 1;
  }
  unsigned char* reply = device->replies[device->replies_waiting++];
  memset(reply, 0, REPORT_SIZE);
  return reply;
}

static wchar_t* copy_wide(const wchar_t* text) { return wcsdup(text); }

int HID_API_EXPORT hid_init(void) { return 0; }
int HID_API_EXPORT hid_exit(void) { return 0; }

struct hid_device_info* HID_API_EXPORT hid_enumerate(unsigned short vendor_id,
                                                     unsigned short product_id) {
  if (getenv("KV_FAKE_PROCON_ABSENT") != NULL) return NULL;
  if ((vendor_id != 0 && vendor_id != 0x057E) || (product_id != 0 && product_id != 0x2009)) {
    return NULL;
  }
  struct hid_device_info* info = calloc(1, sizeof *info);
  info->path = strdup(FAKE_PROCON_PATH);
  info->vendor_id = 0x057E;
  info->product_id = 0x2009;
  info->serial_number = copy_wide(L"000000000001");
  info->release_number = 0x0210;
  info->manufacturer_string = copy_wide(L"Nintendo Co., Ltd.");
  info->product_string = copy_wide(L"Pro Controller");
  info->usage_page = 0x0001;
  info->usage = 0x0005;
  info->interface_number = 0;
  info->next = NULL;
  info->bus_type = HID_API_BUS_USB;
  return info;
}

void HID_API_EXPORT hid_free_enumeration(struct hid_device_info* devices) {
  while (devices != NULL) {
    struct hid_device_info* next = devices->next;
    free(devices->path);
    free(devices->serial_number);
    free(devices->manufacturer_string);
    free(devices->product_string);
    free(devices);
    devices = next;
  }
}

hid_device* HID_API_EXPORT hid_open_path(const char* path) {
  if (getenv("KV_FAKE_PROCON_ABSENT") != NULL || strcmp(path, FAKE_PROCON_PATH) != 0) {
    last_error = L"Failed to open a device with path: No such file or directory";
    return NULL;
  }
  if (getenv("KV_FAKE_PROCON_LOCKED") != NULL) {
    last_error = L"Failed to open a device with path: Device or resource busy";
    errno = EBUSY;
    return NULL;
  }
  if (getenv("KV_FAKE_PROCON_DENIED") != NULL) {
    /* As hidapi's hidraw backend fails for a user the device node does not admit. */
    last_error = L"Failed to open a device with path '" FAKE_PROCON_PATH_W "': Permission denied";
    errno = EACCES;
    return NULL;
  }
  hid_device* device = calloc(1, sizeof *device);
  device->blocking = 1;
  last_error = L"Success";
  return device;
}

hid_device* HID_API_EXPORT hid_open(unsigned short vendor_id, unsigned short product_id,
                                    const wchar_t* serial_number) {
  (void)serial_number;
  if (vendor_id != 0x057E || product_id != 0x2009) {
    last_error = L"No HID devices with requested VID/PID found in the system.";
    return NULL;
  }
  return hid_open_path(FAKE_PROCON_PATH);
}

void HID_API_EXPORT hid_close(hid_device* device) { free(device); }

int HID_API_EXPORT hid_write(hid_device* device, const unsigned char* data, size_t length) {
  record_write(data, length);
  if (length >= 2 && data[0] == 0x80) {
    unsigned char* reply = new_reply(device);
    reply[0] = 0x81;
    reply[1] = data[1];
  } else if (length >= 12 && data[0] == 0x01 && data[10] == 0x03) {
    /* Sub-command "input mode": acknowledged, and 0x30 asks for full reports. */
    unsigned char* reply = new_reply(device);
    reply[0] = 0x21;
    reply[1] = device->timer++;
    reply[2] = 0x91;
    reply[13] = 0x80;
    reply[14] = 0x03;
    if (data[11] == 0x30 && !device->full_reports) {
      device->full_reports = 1;
      device->woken_at = now_ns();
      device->next_report_at = device->woken_at;
    }
  }
  return (int)length;
}

int HID_API_EXPORT hid_read_timeout(hid_device* device, unsigned char* data, size_t length,
                                    int milliseconds) {
  unsigned char report[REPORT_SIZE];
  size_t count = length < REPORT_SIZE ? length : REPORT_SIZE;
  if (device->replies_waiting > 0) {
    memcpy(data, device->replies[0], count);
    device->replies_waiting -= 1;
    memmove(device->replies[0], device->replies[1], (size_t)device->replies_waiting * REPORT_SIZE);
    return (int)count;
  }
  /* A blocking read with nothing coming waits one report period, then says nothing. */
  long long wait = milliseconds < 0 ? REPORT_PERIOD_NS : milliseconds * 1000000LL;
  if (!device->full_reports) {
    sleep_ns(wait);
    return 0;
  }
  long long due_in = device->next_report_at - now_ns();
  if (due_in > wait) {
    sleep_ns(wait);
    return 0;
  }
  sleep_ns(due_in);
  device->next_report_at += REPORT_PERIOD_NS;
  if (device->next_report_at < now_ns()) device->next_report_at = now_ns() + REPORT_PERIOD_NS;
  full_report(device, report);
  memcpy(data, report, count);
  return (int)count;
}

int HID_API_EXPORT hid_read(hid_device* device, unsigned char* data, size_t length) {
  return hid_read_timeout(device, data, length, device->blocking ? -1 : 0);
}

int HID_API_EXPORT hid_set_nonblocking(hid_device* device, int nonblock) {
  device->blocking = !nonblock;
  return 0;
}

static int copy_string(wchar_t* out, size_t max, const wchar_t* text) {
  if (max == 0) return -1;
  wcsncpy(out, text, max);
  out[max - 1] = L'\0';
  return 0;
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device* device, wchar_t* out, size_t max) {
  (void)device;
  return copy_string(out, max, L"Nintendo Co., Ltd.");
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device* device, wchar_t* out, size_t max) {
  (void)device;
  return copy_string(out, max, L"Pro Controller");
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device* device, wchar_t* out,
                                                     size_t max) {
  (void)device;
  return copy_string(out, max, L"000000000001");
}

const wchar_t* HID_API_EXPORT hid_error(hid_device* device) {
  (void)device;
  return device == NULL ? last_error : L"Success";
}
