#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: real frames and files in the
layouts each target reads (see the comment at the top of each target)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGE_SIZE = 205000


def frame(length, record, command, body=b"", address=1):
    f = bytearray(max(length, 9))
    f[0] = 0x02
    f[1] = address
    f[2:4] = struct.pack("<H", len(f))
    f[4:6] = struct.pack("<H", record)
    f[6] = command
    body = body[: len(f) - 9]
    f[7 : 7 + len(body)] = body
    acc = 0
    for b in f[1 : len(f) - 2]:
        acc ^= b
    f[-2] = acc
    f[-1] = 0x03
    return bytes(f)


def status(kind, value, record=0x8001):
    return frame(10, record, kind, bytes([value]))


def error(code):
    return frame(11, 0x8001, 0x41, bytes([0, code]))


def chunks(*parts):
    return b"".join(struct.pack("<H", len(p)) + p for p in parts)


def write(target, name, data):
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def goods_body(number, name, price):
    rec = struct.pack("<H", number) + name.encode("cp1250").ljust(42, b"\0")
    rec += b"A" + struct.pack("<i", price) + b"5901234123457" + bytes([1, 0, 0, 0, 1, 1])
    return rec


# replies: reader, longest (int16), shortest (int16), flags, then chunks.
def replies(name, reader, longest, shortest, flags, *parts):
    write("replies", name, bytes([reader]) + struct.pack("<hhB", longest, shortest, flags)
          + chunks(*parts))


goods90 = frame(90, 0x8001, ord("T"), goods_body(1, "Chleb żytni", 450))
goods91 = frame(91, 0x0001, ord("T"), goods_body(2, "Masło", 799) + b"\0")
replies("goods_90_of_91", 0, 91, 90, 0, goods90)
replies("goods_91_in_two", 0, 91, 90, 0, goods91[:40], goods91[40:])
replies("cashier_333", 0, 333, 0, 0, frame(333, 0x8001, ord("K"), b"\x01Kierownik"))
replies("empty_base", 0, 45, 0, 0, status(0x41, 0x10))
replies("zero_sales", 0, 62, 0, 0, status(0x41, 0x40))
replies("error_in_download", 0, 45, 0, 0, error(6))
replies("discounts_three", 3, 45, 45, 0, frame(45, 1, ord("R"), b"\x01Rabat 5%"),
        frame(45, 2, ord("R"), b"\x02Narzut"), frame(45, 0x8003, ord("R"), b"\x03Inny"))
replies("goods_bad_checksum", 3, 91, 90, 0, goods90[:-2] + b"\x00\x03")
replies("records_user_abort", 3, 40, 40, 1, frame(40, 1, ord("F"), b"\x01Karta"))
replies("ack_accepted", 1, 0, 0, 0, status(0x06, 0))
replies("ack_complete", 1, 0, 0, 0, status(0x06, 3))
replies("not_ready", 1, 0, 0, 0, status(0x41, 8))
replies("error_19_split", 2, 0, 0, 0, error(19)[:10], error(19)[10:])
replies("report_busy_then_done", 2, 0, 0, 0, status(0x41, 4), b"", status(0x06, 3))
replies("paper_out_continue", 1, 0, 0, 2, status(0x41, 2), status(0x06, 0))
replies("paper_out_stop", 2, 0, 0, 0, status(0x41, 2))
replies("ask_paper_out", 4, 0, 0, 2, status(0x06, 3))
replies("busy_wait", 5, 0, 0, 8, status(0x41, 4), status(0x06, 0))
replies("info_124", 0, 124, 115, 0, frame(124, 0x8001, ord("I"), b"\x96\x00DUNA-SIM01"))
replies("noise", 1, 10, 0, 0, bytes(range(0x20, 0x40)))

# settings_file: the file's bytes as they are.
settings = bytes([0, 3]) + struct.pack("<I", 9600) + bytes([8, 0, 0, 0, 0, 7, 7, 7])
write("settings_file", "com3_9600", settings)
write("settings_file", "no_port_115200",
      bytes([0, 255]) + struct.pack("<I", 115200) + bytes([8, 2, 1, 1, 1, 0, 0, 0]))
write("settings_file", "short", settings[:7])
write("settings_file", "long", settings + b"reszta pliku")
write("settings_file", "out_of_range",
      bytes([0, 100]) + struct.pack("<I", 12345) + bytes([9, 5, 3, 2, 2, 1, 2, 3]))


# base_file: mode, eight int32 offsets, then the file (mode 0) or a size
# change (128 + bytes) and patches (u24 offset, u16 length, bytes) over a new base.
def base(name, mode, offsets, tail):
    write("base_file", name, bytes([mode]) + b"".join(struct.pack("<i", o) for o in offsets)
          + tail)


def patch(offset, data):
    return struct.pack("<I", offset)[:3] + struct.pack("<H", len(data)) + data


odd = [0, -1, IMAGE_SIZE - 1, IMAGE_SIZE - 63, IMAGE_SIZE, 2**31 - 1, -(2**31), 5000]
base("raw_header_only", 0, odd, b"ORVI_DUNA_V_1_00    \x01")
base("raw_empty", 0, [0] * 8, b"")
goods = goods_body(1, "Chleb żytni", 450)
base("goods_patched", 1, odd, b"\x00" + patch(5000, goods) + patch(5068, goods_body(2, "Mleko", 299)))
base("goods_over_open_base", 3, odd, b"\x00" + patch(5000 + 68 * 1999, goods_body(2000, "Ostatni", 1)))
base("service_base", 1, odd, b"\x00" + patch(0, b"BAZA SERWISOWA"))
base("changed_currency", 1, odd, b"\x00" + patch(145037, b"EUR"))
base("one_byte_short", 5, odd, b"\x7f" + patch(100, b"x"))
base("one_byte_long", 7, odd, b"\x81" + patch(IMAGE_SIZE - 2, b"\xfe\xfe\xfe"))


# sim_frames: flags, address, a baud index when paced, two fault bytes when
# faulty, then steps (0 raw piece, 1 sealed frame:
# address, u16 record, command, body piece; 2 ack code; 3 wait u16 ms;
# 4 discard; 5 paper).
def sealed(address, record, command, body):
    return bytes([1, address]) + struct.pack("<HB", record, command) + chunks(body)


def ack(code):
    return bytes([2, code])


def wait(ms):
    return bytes([3]) + struct.pack("<H", ms)


def sim(name, flags, address, *steps):
    write("sim_frames", name, bytes([flags, address]) + b"".join(steps))


sim("presence", 0, 1, sealed(1, 0x8001, ord("Q"), b"\x00"), wait(50))
sim("port_query", 0, 1, sealed(1, 0x8001, ord("9"), b""), wait(50))
sim("goods_download_demo", 1, 1, sealed(1, 1, ord("T"), b"\x00\x00"), wait(20), ack(0), wait(20),
    ack(0), wait(20), ack(1), wait(20), ack(4))
sim("goods_upload", 0, 1, sealed(1, 1, ord("T"), goods + b"\x00"), wait(1200),
    sealed(1, 0x8002, ord("T"), goods_body(2, "Mleko", 299) + b"\x00"), wait(1200))
sim("info", 1, 1, sealed(1, 0x8001, ord("I"), b"\x00\x00"), wait(50))
sim("header_request", 1, 1, sealed(1, 0x8001, ord("N"), b"\x00\x00"), wait(50), ack(3))
sim("clock", 0, 1, sealed(1, 0x8001, ord("C"), bytes([26, 3, 14, 12, 0, 0, 6, 0])), wait(50))
sim("turnover_report_paced", 3, 1, bytes([2]), sealed(1, 0x8001, 5, bytes(9)), wait(3000))
sim("noise_then_frame", 0, 1, bytes([0]) + chunks(b"\x55\xaa\x02\xff\xff"), wait(200),
    sealed(1, 0x8001, ord("Q"), b"\x00"), wait(50))
sim("half_frame", 0, 1, bytes([0]) + chunks(frame(10, 0x8001, ord("Q"), b"\x00")[:6]), wait(500))
sim("faults_paper_busy", 16 | 1, 1, bytes([1 | 2 | 16, 0]),
    sealed(1, 0x8001, 5, bytes(9)), wait(600), bytes([5, 0]), wait(2000))
