#!/usr/bin/env python3
"""Writes the simulator's device profiles (.snmprec) and their write rules (.rules).

    gen_profiles.py [--out DIR]            corvane-a and corvane-b, into DIR (default: beside this file)
    gen_profiles.py --big-table ROWS OUT   OUT.snmprec and OUT.rules: one table of ROWS rows and five
                                           columns under 1.3.6.1.4.1.32473.99.1, for benchmarks

The chassis, interface, bridge and spanning-tree groups are written by hand below; every other
table of mibtables.py gets rows filled from its column syntaxes and enumerations.
"""
import argparse
import os
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mibtables import ENUMS, EXTRA_TABLES, TABLES  # noqa: E402

# Syntax code of a column -> BER tag of its value.
TAG = {0x01: 2, 0x02: 2, 0x03: 4, 0x04: 4, 0x05: 5, 0x06: 6, 0x40: 64, 0x41: 65, 0x42: 66,
       0x43: 67, 0x44: 4, 0x45: 64, 0x46: 70, 0x47: 65, 0x48: 4, 0x49: 4, 0x4a: 4, 0x4b: 4,
       0x4c: 4, 0x4d: 4, 0x4e: 4, 0x51: 4}
INT, OCTETS, OID, IPADDR, COUNTER, GAUGE, TICKS, COUNTER64 = 2, 4, 6, 64, 65, 66, 67, 70

ENTERPRISE = '1.3.6.1.4.1.32473'
EQUIP = ENTERPRISE + '.10.120.100.1.2'
STP = ENTERPRISE + '.10.120.100.2.2'


def arcs(oid):
    return tuple(int(x) for x in oid.split('.'))


def h(*parts):
    """A stable pseudo-random number from the given parts."""
    return zlib.crc32(repr(parts).encode())


class Profile:
    def __init__(self):
        self.objs = {}
        self.rules = {}
        self.claimed = set()  # tables and scalars written by hand

    def put(self, oid, tag, value):
        self.objs[arcs(oid) if isinstance(oid, str) else tuple(oid)] = (tag, value)

    def scalar(self, oid, tag, value, rule=None):
        self.claimed.add(oid)
        self.put(oid + '.0', tag, value)
        if rule is not None:
            self.rules[oid] = rule

    def table(self, entry, columns, rows):
        """columns: {column number: (tag, rule or None)}; rows: [(index text, {column: value})]."""
        self.claimed.add(entry)
        for index, values in rows:
            for col, value in values.items():
                self.put(f'{entry}.{col}.{index}', columns[col][0], value)
        for col, (tag, rule) in columns.items():
            if rule is not None:
                self.rules[f'{entry}.{col}'] = rule

    def write(self, base):
        with open(base + '.snmprec', 'w') as f:
            for key in sorted(self.objs):
                tag, value = self.objs[key]
                f.write('.'.join(map(str, key)) + '|' + encode(tag, value) + '\n')
        with open(base + '.rules', 'w') as f:
            f.write('# Write rules: OID KIND [type=TAG] [range=A..B,...] [size=A..B]\n')
            for oid in sorted(self.rules, key=arcs):
                f.write(f'{oid} {self.rules[oid]}\n')


def encode(tag, value):
    if tag == OCTETS:
        if isinstance(value, bytes):
            return '4x|' + value.hex()
        if all(32 <= ord(c) < 127 for c in value):
            return '4|' + value
        return '4x|' + value.encode().hex()
    return f'{tag}|{value}'


def rw(tag, enum=None, size=None):
    rule = f'rw type={tag}'
    if enum:
        rule += ' range=' + ','.join(str(v) for v, _ in enum)
    if size:
        rule += f' size={size[0]}..{size[1]}'
    return rule


def mac(*parts):
    n = h(*parts)
    return bytes([0x00, 0x1b, 0x73, (n >> 16) & 0xff, (n >> 8) & 0xff, n & 0xff])


def str_index(text, implied=False):
    chars = '.'.join(str(ord(c)) for c in text)
    return chars if implied else f'{len(text)}.{chars}'


# --- Chassis models --------------------------------------------------------------------------

# Line cards: per port (medium, kind) where kind is 'copper', 'fiber' or 'combo'.
def ports_of(model):
    copper = [('copper', 1000)] * 48
    sfp = [('fiber', 1000)] * 48
    return {
        'Corvane-LC1': copper,
        'Corvane-LC2': sfp,
        'Corvane-LC3': [('copper', 1000)] * 24 + [('fiber', 1000)] * 24,
        'Corvane-LC4': copper,
        'Corvane-LC6': [('fiber', 10000)] * 8,
        'Corvane-LC7': [('combo', 1000)] * 12 + [('fiber', 1000)] * 12 + [('fiber', 10000)] * 2,
        'Corvane-LC8': [('fiber', 10000)] * 16,
        'Corvane-LC9': sfp,
        'Corvane-LC10': [('combo', 1000)] * 12 + [('fiber', 1000)] * 12 + [('fiber', 10000)] * 2,
    }.get(model, [])


CHASSIS = {
    'corvane-a': dict(
        sysoid=ENTERPRISE + '.10.120.1', name='Corvane-A', descr='Corvane-A 4-slot chassis switch',
        slots=['Corvane-MC-A', 'Corvane-LC3', 'Corvane-LC8', 'Corvane-LC9'],
        # (exist, alive, type): exist 1 empty / 2 exist; alive 1 failed / 2 in-operation; 1 AC / 2 DC
        power=[(2, 2, 1), (2, 2, 1), (2, 1, 2), (1, 1, 3)],
        fan_state=2, fans=[3, 2, 3, 3],
        mgmt={1: dict(console=1, master=1, cpu=3, port=3, speed=3)}),
    'corvane-b': dict(
        sysoid=ENTERPRISE + '.10.120.2', name='Corvane-B', descr='Corvane-B 8-slot chassis switch',
        slots=['Corvane-MC-A', 'Corvane-MC-B', 'Corvane-LC7', 'Corvane-LC1', 'Corvane-LC6', 'N/A',
               'Corvane-LC4', 'Corvane-LC10'],
        power=[(2, 2, 1), (2, 2, 1), (2, 2, 2), (2, 1, 2), (2, 1, 1), (1, 1, 3), (1, 1, 3),
               (2, 2, 2)],
        fan_state=3, fans=[3, 3, 3, 3, 3, 3],
        mgmt={1: dict(console=1, master=1, cpu=4, port=3, speed=3),
              2: dict(console=2, master=2, cpu=1, port=2, speed=2)}),
}


class Port:
    def __init__(self, slot, num, medium, speed, bridge_port):
        self.slot, self.num, self.medium, self.speed = slot, num, medium, speed
        self.bridge_port = bridge_port
        self.ifindex = slot * 1000 + num
        self.name = f'{slot}/{num}'
        self.up = h('link', slot, num) % 3 != 0


def build_ports(model_slots):
    ports = []
    for slot, model in enumerate(model_slots, 1):
        for num, (medium, speed) in enumerate(ports_of(model), 1):
            ports.append(Port(slot, num, medium, speed, len(ports) + 1))
    return ports


def port_list(ports, members):
    octets = bytearray((len(ports) + 7) // 8)
    for p in members:
        octets[(p.bridge_port - 1) // 8] |= 0x80 >> ((p.bridge_port - 1) % 8)
    return bytes(octets)


# --- Hand-written groups ---------------------------------------------------------------------

def system_group(p, c):
    p.scalar('1.3.6.1.2.1.1.1', OCTETS, c['descr'] + ', firmware 4.2.7 (build 1184)')
    p.scalar('1.3.6.1.2.1.1.2', OID, c['sysoid'])
    p.scalar('1.3.6.1.2.1.1.3', TICKS, 8640000)
    p.scalar('1.3.6.1.2.1.1.4', OCTETS, 'noc@example.net', rw(OCTETS, size=(0, 255)))
    p.scalar('1.3.6.1.2.1.1.5', OCTETS, c['name'].lower() + '-lab', rw(OCTETS, size=(0, 255)))
    p.scalar('1.3.6.1.2.1.1.6', OCTETS, 'Lab rack 3', rw(OCTETS, size=(0, 255)))
    p.scalar('1.3.6.1.2.1.1.7', INT, 6)
    p.scalar('1.3.6.1.2.1.1.8', TICKS, 0)
    mods = [('1.3.6.1.6.3.1', 'The MIB module for SNMP entities'),
            ('1.3.6.1.2.1.31', 'The MIB module to describe generic objects for network interfaces'),
            ('1.3.6.1.2.1.17', 'The Bridge MIB module'),
            ('1.0.8802.1.1.2', 'The LLDP MIB module'),
            ('1.3.6.1.6.3.16.2.2.1', 'View-based Access Control Model for SNMP')]
    p.table('1.3.6.1.2.1.1.9.1', {2: (OID, None), 3: (OCTETS, None), 4: (TICKS, None)},
            [(str(i), {2: oid, 3: text, 4: 0}) for i, (oid, text) in enumerate(mods, 1)])


def equipment(p, c, ports):
    slots = c['slots']
    # Management modules: console, master, CPU load, management port status and speed.
    p.table(EQUIP + '.1.1.1', {k: (INT, None) for k in range(1, 7)},
            [(str(s), {1: s, 2: m['console'], 3: m['master'], 4: m['cpu'], 5: m['port'],
                       6: m['speed']}) for s, m in c['mgmt'].items()])
    # Power bays.
    rows = []
    for bay, (exist, alive, kind) in enumerate(c['power'], 1):
        on = exist == 2 and alive == 2
        rows.append((str(bay), {1: bay, 2: exist, 3: kind, 4: alive,
                                5: (48 if kind == 2 else 230) if on else 0,
                                6: 9 + bay % 3 if on else 0, 7: 450 + 10 * bay if on else 0,
                                8: 5200 + 40 * bay if on else 0}))
    p.table(EQUIP + '.2.1.1', {k: (INT, None) for k in range(1, 9)}, rows)
    # Fan tray and fans.
    p.scalar(EQUIP + '.3.1', INT, c['fan_state'])
    p.table(EQUIP + '.3.2.1', {1: (INT, None), 2: (INT, None), 3: (INT, None)},
            [(str(i), {1: i, 2: s, 3: 6100 + 150 * i if s == 3 else 0})
             for i, s in enumerate(c['fans'], 1)])
    # Slots (the module table the chassis view reads is this one's columns 1 and 4).
    rows = []
    for s, model in enumerate(slots, 1):
        empty = model == 'N/A'
        rows.append((str(s), {
            1: s, 2: 1 if empty else 5, 3: 2 if model == 'Corvane-LC4' else 1, 4: model,
            5: '' if empty else f'CVN{s:02d}{h(model, s) % 10**7:07d}',
            6: '' if empty else 'A2', 7: '' if empty else '1.04', 8: '' if empty else '2.1.3',
            9: '' if empty else '4.2.7', 10: '' if empty else '0x1c',
            11: bytes(6) if empty else mac('slot', s), 12: 0 if empty else 64}))
    cols = {k: (OCTETS, None) for k in range(4, 12)}
    cols.update({1: (INT, None), 2: (INT, None), 3: (INT, None), 12: (INT, None)})
    p.table(EQUIP + '.4.1.1', cols, rows)
    # Temperatures, as text in degrees Celsius.
    rows = [(str(s), {1: s, 2: str(31 + s % 4), 3: '70', 4: '60', 5: str(38 + s % 5), 6: '75',
                      7: '65', 8: str(44 + s % 3), 9: '80', 10: '70'})
            for s, model in enumerate(slots, 1) if model != 'N/A']
    cols = {k: (OCTETS, None) for k in range(2, 11)}
    cols[1] = (INT, None)
    p.table(EQUIP + '.5.1.1', cols, rows)
    # Port LEDs: one entry per port of every line card, named "Prt<slot>/<port>".
    statuses = [3, 5, 3, 1, 2, 4, 3, 5, 1]
    rows = []
    for i, port in enumerate(ports, 1):
        status = statuses[h('led', port.slot, port.num) % len(statuses)] if port.up else 1
        medium = 2 if port.medium == 'fiber' else 1
        if port.medium == 'combo' and port.num % 4 in (1, 2):
            medium = 2  # these combination ports use their fibre opening
        mode = 2 if slots[port.slot - 1] == 'Corvane-LC4' else 1
        rows.append((str(i), {1: i, 2: f'Prt{port.slot}/{port.num}', 3: status, 4: mode,
                              5: medium}))
    p.table(EQUIP + '.6.1.1', {1: (INT, None), 2: (OCTETS, None), 3: (INT, None),
                               4: (INT, None), 5: (INT, None)}, rows)
    # CPU, memory and flash utilisation.
    p.scalar(ENTERPRISE + '.10.120.100.1.1.1.1.1', INT, 17)
    p.scalar(ENTERPRISE + '.10.120.100.1.1.1.1.2', INT, 21)
    p.scalar(ENTERPRISE + '.10.120.100.1.1.1.1.3', INT, 19)
    units = list(c['mgmt'])
    p.table(ENTERPRISE + '.10.120.100.1.1.1.2.1', {k: (INT, None) for k in range(1, 5)},
            [(str(u), {1: u, 2: 2097152, 3: 812000 + 3000 * u, 4: 39}) for u in units])
    p.table(ENTERPRISE + '.10.120.100.1.1.1.3.1', {k: (INT, None) for k in range(1, 5)},
            [(str(u), {1: u, 2: 524288, 3: 190000 + 1000 * u, 4: 36}) for u in units])


def interfaces(p, c, ports):
    mgmt = [(1, 'mgmt0', 6, 100, True)]
    vlans = [(9000 + v, f'vlan{v}', 136, 1000, True) for v in (1, 10, 20)]
    rows, xrows = [], []
    every = [(pt.ifindex, f'Ethernet {pt.name}', 6, pt.speed, pt.up) for pt in ports]
    for ifindex, descr, iftype, speed, up in mgmt + every + vlans:
        n = h('if', ifindex)
        rows.append((str(ifindex), {
            1: ifindex, 2: descr, 3: iftype, 4: 1500 if iftype == 136 else 9216,
            5: min(speed * 1000000, 4294967295), 6: mac('if', ifindex), 7: 1 if up else 2,
            8: 1 if up else 2, 9: n % 500000, 10: n % 900000000 if up else 0,
            11: n % 3000000 if up else 0, 12: n % 20000, 13: n % 7, 14: n % 3, 15: 0,
            16: n % 800000000 if up else 0, 17: n % 2000000 if up else 0, 18: n % 10000,
            19: 0, 20: n % 2, 21: 0, 22: '0.0'}))
        xrows.append((str(ifindex), {
            1: descr.replace('Ethernet ', 'eth') if iftype == 6 else descr,
            2: n % 40000, 3: n % 90000, 4: n % 30000, 5: n % 50000,
            6: n * 131 % 10**12 if up else 0, 7: n * 7 % 10**9 if up else 0, 8: n % 40000,
            9: n % 90000, 10: n * 97 % 10**12 if up else 0, 11: n * 5 % 10**9 if up else 0,
            12: n % 30000, 13: n % 50000, 14: 1, 15: speed, 16: 1, 17: 1,
            18: '', 19: 0}))
    cols = {1: (INT, None), 2: (OCTETS, None), 3: (INT, None), 4: (INT, None),
            5: (GAUGE, None), 6: (OCTETS, None), 7: (INT, rw(INT, [(1, ''), (2, ''), (3, '')])),
            8: (INT, None), 9: (TICKS, None), 22: (OID, None)}
    for k in range(10, 22):
        cols[k] = (COUNTER, None) if k != 21 else (GAUGE, None)
    p.table('1.3.6.1.2.1.2.2.1', cols, rows)
    p.scalar('1.3.6.1.2.1.2.1', INT, len(rows))
    xcols = {1: (OCTETS, None), 14: (INT, rw(INT, [(1, ''), (2, '')])), 15: (GAUGE, None),
             16: (INT, None), 17: (INT, None), 18: (OCTETS, rw(OCTETS, size=(0, 64))),
             19: (TICKS, None)}
    for k in range(2, 6):
        xcols[k] = (COUNTER, None)
    for k in range(6, 14):
        xcols[k] = (COUNTER64, None)
    p.table('1.3.6.1.2.1.31.1.1.1', xcols, xrows)


def bridge(p, c, ports):
    p.scalar('1.3.6.1.2.1.17.1.1', OCTETS, mac('bridge', c['name']))
    p.scalar('1.3.6.1.2.1.17.1.2', INT, len(ports))
    p.scalar('1.3.6.1.2.1.17.1.3', INT, 2)
    p.table('1.3.6.1.2.1.17.1.4.1', {1: (INT, None), 2: (INT, None), 3: (OID, None),
                                     4: (COUNTER, None), 5: (COUNTER, None)},
            [(str(pt.bridge_port), {1: pt.bridge_port, 2: pt.ifindex, 3: '0.0', 4: 0, 5: 0})
             for pt in ports])
    # VLANs 1, 10, 20 and 30 with their member ports.
    vlans = {1: ('default', ports, ports), 10: ('servers', ports[:12], ports[4:12]),
             20: ('voice', ports[12:30], ports[12:30]), 30: ('storage', ports[-10:], [])}
    p.table('1.3.6.1.2.1.17.7.1.4.3.1',
            {1: (OCTETS, rw(OCTETS, size=(0, 32))), 2: (OCTETS, rw(OCTETS)), 3: (OCTETS, rw(OCTETS)),
             4: (OCTETS, rw(OCTETS)), 5: (INT, 'rowstatus')},
            [(str(v), {1: name, 2: port_list(ports, eg), 3: port_list(ports, []),
                       4: port_list(ports, un), 5: 1}) for v, (name, eg, un) in vlans.items()])
    p.table('1.3.6.1.2.1.17.7.1.4.2.1', {3: (GAUGE, None), 4: (OCTETS, None), 5: (OCTETS, None),
                                         6: (INT, None), 7: (TICKS, None)},
            [(f'0.{v}', {3: v, 4: port_list(ports, eg), 5: port_list(ports, un), 6: 2, 7: 0})
             for v, (name, eg, un) in vlans.items()])
    p.table('1.3.6.1.2.1.17.7.1.4.5.1',
            {1: (GAUGE, rw(GAUGE)), 2: (INT, rw(INT, [(1, ''), (2, '')])),
             3: (INT, rw(INT, [(1, ''), (2, '')])), 4: (INT, rw(INT, [(1, ''), (2, '')])),
             5: (COUNTER, None), 6: (OCTETS, None), 7: (INT, rw(INT, [(1, ''), (2, '')]))},
            [(str(pt.bridge_port), {1: 10 if pt in vlans[10][2] else 1, 2: 1, 3: 2, 4: 2, 5: 0,
                                    6: bytes(6), 7: 2}) for pt in ports])
    p.scalar('1.3.6.1.2.1.17.7.1.1.1', INT, 2)
    p.scalar('1.3.6.1.2.1.17.7.1.1.2', INT, 4094)
    p.scalar('1.3.6.1.2.1.17.7.1.1.3', GAUGE, 4094)
    p.scalar('1.3.6.1.2.1.17.7.1.1.4', GAUGE, len(vlans))
    p.scalar('1.3.6.1.2.1.17.7.1.1.5', INT, 2, rw(INT, [(1, ''), (2, '')]))
    # Learned addresses of the filtering databases.
    rows = []
    for i, pt in enumerate(ports[:24]):
        fdb = 1 if i % 3 else 10
        m = mac('fdb', i)
        rows.append((f'{fdb}.' + '.'.join(str(b) for b in m), {2: pt.bridge_port, 3: 3}))
    p.table('1.3.6.1.2.1.17.7.1.2.2.1', {2: (INT, None), 3: (INT, None)}, rows)
    p.table('1.3.6.1.2.1.17.7.1.2.1.1', {2: (COUNTER, None)},
            [('1', {2: 16}), ('10', {2: 8})])


def spanning_tree(p, c, ports):
    on = rw(INT, [(2, ''), (3, '')])
    p.scalar(STP + '.1.1', INT, 3, on)
    p.scalar(STP + '.1.2', INT, 1, rw(INT, [(0, ''), (1, ''), (2, '')]))
    p.scalar(STP + '.1.3', INT, 2000, rw(INT))
    p.scalar(STP + '.1.4', INT, 200, rw(INT))
    p.scalar(STP + '.1.5', INT, 1500, rw(INT))
    p.scalar(STP + '.1.6', INT, 20, rw(INT))
    p.scalar(STP + '.1.7', INT, 6, rw(INT))
    p.scalar(STP + '.2.1', OCTETS, c['name'].lower() + '-region', rw(OCTETS, size=(0, 32)))
    p.scalar(STP + '.2.2', INT, 0, rw(INT))
    bridge_id = bytes([0x80, 0x00]) + mac('bridge', c['name'])
    vmap = [bytes(64)] * 8
    cols = {1: (INT, None), 10: (INT, None), 12: (INT, rw(INT)), 13: (OCTETS, None),
            14: (INT, None), 15: (OCTETS, None), 16: (INT, None), 17: (OCTETS, None),
            18: (INT, None), 19: (INT, None), 20: (INT, None), 21: (TICKS, None),
            22: (COUNTER, None), 23: (INT, None), 24: (INT, 'rowstatus')}
    for k in range(2, 10):
        cols[k] = (OCTETS, rw(OCTETS, size=(64, 64)))
    rows = []
    for inst, vids in ((0, ()), (1, (10, 20)), (2, (30,))):
        bitmaps = [bytearray(b) for b in vmap]
        for v in vids:
            bitmaps[(v - 1) // 512][((v - 1) % 512) // 8] |= 0x80 >> ((v - 1) % 8)
        row = {1: inst, 10: 0 if inst == 0 else 1, 12: 32768, 13: bridge_id, 14: 0,
               15: bridge_id, 16: 0, 17: bridge_id, 18: 0, 19: 2000, 20: 1500, 21: 360000,
               22: 3 + inst, 23: 20, 24: 1}
        for k in range(8):
            row[k + 2] = bytes(bitmaps[k])
        rows.append((str(inst), row))
    p.table(STP + '.2.3.1', cols, rows)
    tf = rw(INT, [(1, ''), (2, '')])
    p.table(STP + '.2.4.1',
            {1: (INT, None), 2: (INT, rw(INT)), 3: (INT, None), 4: (INT, tf), 5: (INT, rw(INT)),
             6: (INT, tf), 7: (INT, rw(INT, [(1, ''), (3, '')])), 8: (INT, None),
             9: (INT, rw(INT, [(0, ''), (1, ''), (2, '')])), 10: (INT, None), 13: (INT, tf),
             14: (INT, tf)},
            [(str(pt.bridge_port), {1: pt.bridge_port, 2: 200, 3: 200, 4: 1, 5: 20000, 6: 2,
                                    7: 3, 8: 2, 9: 2, 10: 0, 13: 2, 14: 2}) for pt in ports])
    states = [5, 5, 5, 2, 4]
    p.table(STP + '.2.2.5.1',
            {1: (INT, None), 2: (INT, None), 3: (OCTETS, None), 4: (INT, rw(INT)),
             5: (INT, rw(INT)), 6: (INT, None), 7: (INT, None)},
            [(f'{pt.bridge_port}.{inst}', {1: pt.bridge_port, 2: inst, 3: bridge_id,
                                           4: 20000, 5: 128,
                                           6: states[h(pt.num, inst) % 5] if pt.up else 1,
                                           7: 2 if pt.up else 0})
             for pt in ports[:16] for inst in (0, 1, 2)])


# --- Data of the hand-built windows -----------------------------------------------------------
# Written after the groups above, whose rows and rules it partly replaces, and before the
# catalogue, which then leaves these tables alone. Varied on purpose: every window of the
# interface, counter, spanning-tree, VLAN, aggregation and LLDP menus shows several kinds of
# value, and what a window writes is checked with the ranges of its fields.

def grows(value, per_second):
    """A counter that gains per_second while the simulator runs (sim/README.md)."""
    return f'{value}+{per_second:g}/s' if per_second else value


def span(tag, lo, hi, init=None):
    rule = f'rw type={tag} range={lo}..{hi}'
    return rule + f' init={tag}:{init}' if init is not None else rule


def ro(tag, value):
    """A read-only column and the value a row created without it holds."""
    text = value.hex() if isinstance(value, bytes) else value
    return f'ro init={tag}{"x" if isinstance(value, bytes) else ""}:{text}'


def bits(*numbers):
    """Octets of a BITS value, bit 0 the most significant bit of the first octet."""
    octets = bytearray(1 + max(numbers, default=0) // 8)
    for b in numbers:
        octets[b // 8] |= 0x80 >> (b % 8)
    return bytes(octets)


def model_of(c, pt):
    return c['slots'][pt.slot - 1]


def bridge_id(c, priority, inst=0, other=None):
    """Priority with the instance in its low bits, then the bridge's address."""
    prio = priority + inst
    return bytes([prio >> 8, prio & 0xff]) + mac('bridge', other or c['name'])


# SNMP group counters: sub-identifier, value at start, growth a second. In Total Request
# Variables of the 8-slot chassis wraps past 4294967295 some 14 minutes after the start.
SNMP_COUNTERS = [(1, 3012745118, 41), (2, 3012731490, 41), (3, 12, 0), (4, 2841, 0.05),
                 (5, 57, 0.01), (6, 3, 0), (8, 0, 0), (9, 0, 0), (10, 0, 0), (11, 0, 0),
                 (12, 0, 0), (13, 1702393551, 320), (14, 18407, 0.1), (15, 812377140, 6),
                 (16, 2190347112, 34.9), (17, 9211, 0.1), (18, 0, 0), (19, 0, 0), (20, 41, 0),
                 (21, 120455, 0.2), (22, 322, 0.02), (24, 17, 0), (25, 0, 0), (26, 0, 0),
                 (27, 0, 0), (28, 3012685071, 41), (29, 45118, 0.02), (31, 6, 0), (32, 0, 0)]


def snmp_counters(p, c):
    small = c['name'] == 'Corvane-A'
    for sub, value, rate in SNMP_COUNTERS:
        if not small and value > 1000:
            value = 4294700000 if sub == 13 else value * 5 // 8
        p.scalar(f'1.3.6.1.2.1.11.{sub}', COUNTER, grows(value, rate))


def mac_control(p, c, ports):
    """802.3 MAC control of every port: pause support and unknown opcodes that trickle in."""
    rows = []
    for pt in ports:
        n = h('mac-control', pt.ifindex)
        count = grows(n % 5000, (n % 9 + 1) / 40) if pt.up else n % 40
        rows.append((str(pt.ifindex), {1: bits(0) if n % 5 else bytes(1), 2: count, 3: count}))
    p.table('1.3.6.1.2.1.10.7.9.1', {1: (OCTETS, None), 2: (COUNTER, None),
                                     3: (COUNTER64, None)}, rows)


def link_plan(c, ports):
    """Aggregations and LLDP neighbours, shared by the aggregation and LLDP tables."""
    up = [pt for pt in ports if pt.up]
    ten = [pt for pt in up if pt.speed == 10000]
    one = [pt for pt in up if pt.speed == 1000 and pt.medium != 'copper']
    copper = [pt for pt in up if pt.medium == 'copper']
    poe = [pt for pt in copper if model_of(c, pt) == 'Corvane-LC4'] or copper[4:]
    # aggregator -> member ports; no LACP answers reach aggregator 3
    lags = {1: ten[0:2], 2: one[-2:], 3: ten[2:4]}
    router, access = mac('core-router', c['name']), mac('access-switch', c['name'])
    # local port, chassis, port ID subtype and ID, port description, system name and
    # description, capabilities supported and enabled (the windows' map: 0x04 Bridge,
    # 0x10 Router, ...), 802.3 aggregation status and port ID, MED capabilities supported,
    # current and device class
    neighbours = [
        (lags[1][0], router, 5, 'eth2/1', 'uplink to ' + c['name'].lower(), 'core-1',
         'Core router, routing release 7.2', 0x14, 0x10, 0x03, 100, None),
        (lags[1][1], router, 5, 'eth2/2', 'uplink to ' + c['name'].lower(), 'core-1',
         'Core router, routing release 7.2', 0x14, 0x10, 0x03, 100, None),
        (lags[2][0], access, 5, 'port 49', 'trunk', 'access-sw-12',
         'Access switch, 48 ports, release 3.1', 0x14, 0x04, 0x03, 12, (0x2f, 0x0b, 4)),
        (lags[2][1], access, 5, 'port 50', 'trunk', 'access-sw-12',
         'Access switch, 48 ports, release 3.1', 0x14, 0x04, 0x03, 12, (0x2f, 0x0b, 4)),
        (poe[1], mac('phone', c['name']), 7, '1', 'LAN port', 'phone-2114',
         'Desk IP phone, firmware 9.4', 0x24, 0x24, 0x00, 0, (0x33, 0x13, 3)),
        (copper[7], mac('ap', c['name']), 5, 'eth0', 'wired uplink', 'ap-floor3',
         'Wireless access point, dual band', 0x0c, 0x08, 0x01, 0, (0x21, 0x21, 1)),
        (copper[9], mac('converter', c['name']), 7, '2', '', '',
         'Media converter', 0x03, 0x02, 0x00, 0, None),
        (one[0], mac('server', c['name']), 5, 'nic0', 'storage link', 'store-04',
         'Storage server', 0x80, 0x80, 0x01, 0, None),
    ]
    return lags, neighbours


def stp_windows(p, c, ports):
    # Bridge settings with the ranges of their fields; the 8-slot chassis runs MSTP.
    p.scalar(STP + '.1.2', INT, 1 if c['name'] == 'Corvane-A' else 2,
             rw(INT, [(0, ''), (1, ''), (2, '')]))
    for sub, lo, hi in ((3, 600, 4000), (4, 100, 200), (5, 400, 3000), (6, 6, 40), (7, 1, 10)):
        p.rules[f'{STP}.1.{sub}'] = span(INT, lo, hi)
    # Instances: the CIST holds every VLAN that no MSTI has.
    small = c['name'] == 'Corvane-A'
    mstis = {1: [*range(10, 13), 20], 2: [30, *range(100, 200), *range(600, 611)],
             3: [*range(40, 50)] if small else [*range(1000, 1100), 2049, *range(4000, 4095)]}
    taken = {v for vids in mstis.values() for v in vids}
    vids_of = {0: [v for v in range(1, 4095) if v not in taken], **mstis}
    own = bridge_id(c, 32768)
    core = bridge_id(c, 4096, other='core-' + c['name'])
    uplink = next(pt.bridge_port for pt in ports if pt.up and pt.speed == 10000)
    cols = {10: (INT, ro(INT, 1)), 12: (INT, span(INT, 0, 61440, 32768)),
            13: (OCTETS, ro(OCTETS, own)), 14: (INT, ro(INT, 0)), 15: (OCTETS, ro(OCTETS, own)),
            16: (INT, ro(INT, 0)), 17: (OCTETS, ro(OCTETS, own)), 18: (INT, ro(INT, 0)),
            19: (INT, ro(INT, 2000)), 20: (INT, ro(INT, 1500)), 21: (TICKS, ro(TICKS, 0)),
            22: (COUNTER, ro(COUNTER, 0)), 23: (INT, ro(INT, 20)), 24: (INT, 'rowstatus')}
    for k in range(2, 10):
        cols[k] = (OCTETS, f'rw type={OCTETS} size=64..64 init=4x:' + '00' * 64)
    rows = []
    for inst, vids in vids_of.items():
        maps = [bytearray(64) for _ in range(8)]
        for v in vids:
            maps[(v - 1) // 512][((v - 1) % 512) // 8] |= 0x80 >> ((v - 1) % 8)
        prio = {0: 32768 if small else 4096, 1: 28672, 2: 32768, 3: 36864}[inst]
        mine = bridge_id(c, prio, inst)
        # The 4-slot chassis reaches the CIST root over an uplink; MSTI 2 has its regional
        # root elsewhere.
        cist_root = core if small and inst == 0 else mine
        regional = bridge_id(c, 24576, inst, other='peer-' + c['name']) if inst == 2 else mine
        remote = cist_root != mine or regional != mine
        row = {10: 0 if inst == 0 else 1, 12: prio, 13: cist_root,
               14: 2000 if cist_root != mine else 0, 15: regional,
               16: 2000 if regional != mine else 0, 17: regional if inst else cist_root,
               18: uplink if remote else 0, 19: 2000, 20: 1500,
               21: h('tc', c['name'], inst) % 9000000, 22: h('tcn', c['name'], inst) % 60 + inst,
               23: 19 if remote else 20, 24: 1}
        for k in range(8):
            row[k + 2] = bytes(maps[k])
        rows.append((str(inst), row))
    for key in [k for k in p.objs if k[:len(arcs(STP + '.2.3.1'))] == arcs(STP + '.2.3.1')]:
        del p.objs[key]
    p.table(STP + '.2.3.1', cols, rows)
    # Ports: edge ports on the PoE card, point-to-point uplinks, a few restricted or off.
    tf = rw(INT, [(1, ''), (2, '')])
    rows = []
    for pt in ports:
        n = h('stp-port', c['name'], pt.bridge_port)
        edge = model_of(c, pt) == 'Corvane-LC4' or (pt.medium == 'copper' and n % 4 == 0)
        admin_p2p = 0 if pt.speed == 10000 else 1 if n % 11 == 0 else 2
        hello = 100 if n % 9 == 0 else 200
        rows.append((str(pt.bridge_port), {
            1: pt.bridge_port, 2: hello, 3: hello if pt.up else 200,
            4: 2 if n % 17 == 0 else 1,
            5: 200000 if n % 10 == 3 else 2000 if pt.speed == 10000 else 20000,
            6: 2, 7: 1 if edge else 3, 8: 1 if edge and pt.up else 2, 9: admin_p2p,
            10: 1 if admin_p2p == 1 else 0, 13: 1 if n % 13 == 0 else 2, 14: 1 if edge else 2}))
    p.table(STP + '.2.4.1',
            {1: (INT, None), 2: (INT, span(INT, 100, 200)), 3: (INT, None), 4: (INT, tf),
             5: (INT, span(INT, 0, 200000000)), 6: (INT, tf),
             7: (INT, rw(INT, [(1, ''), (3, '')])), 8: (INT, None),
             9: (INT, rw(INT, [(0, ''), (1, ''), (2, '')])), 10: (INT, None), 13: (INT, tf),
             14: (INT, tf)}, rows)


# Port capabilities by card and port kind (dot1qDot1qTagging 0x80, ConfigurableAcceptable-
# FrameTypes 0x40, IngressFiltering 0x20).
PORT_CAPABILITIES = {
    'Corvane-LC1': {'copper': 0xe0}, 'Corvane-LC3': {'copper': 0xc0, 'fiber': 0xa0},
    'Corvane-LC4': {'copper': 0x80}, 'Corvane-LC6': {'fiber': 0xe0},
    'Corvane-LC7': {'combo': 0x60, 'fiber': 0x40, 'ten': 0xe0},
    'Corvane-LC10': {'combo': 0x20, 'fiber': 0x00, 'ten': 0xc0},
    'Corvane-LC8': {'low': 0xe0, 'high': 0x40}, 'Corvane-LC9': {'low': 0x20, 'high': 0x00},
}


def vlan_windows(p, c, ports):
    small = c['name'] == 'Corvane-A'
    # Bridge and 802.1Q capabilities (BITS, dot1dExtendedFilteringServices first).
    p.scalar('1.3.6.1.2.1.17.6.1.1.1', OCTETS,
             bits(0, 1, 3, 6) if small else bits(0, 1, 2, 3, 5, 6))
    rows = []
    for pt in ports:
        caps = PORT_CAPABILITIES[model_of(c, pt)]
        kind = 'ten' if pt.speed == 10000 and 'ten' in caps else pt.medium
        if kind not in caps:
            kind = 'low' if pt.num <= len(ports_of(model_of(c, pt))) // 2 else 'high'
        rows.append((str(pt.bridge_port), {1: bytes([caps[kind]])}))
    p.table('1.3.6.1.2.1.17.6.1.1.4.1', {1: (OCTETS, None)}, rows)
    # 802.1Q ports: the PVID is the VLAN a port is an untagged member of (as in bridge()),
    # uplinks take tagged frames only and run GVRP.
    untagged = {pt.bridge_port: v for v, members in ((10, ports[4:12]), (20, ports[12:30]))
                for pt in members}
    rows = []
    for pt in ports:
        n = h('q-port', c['name'], pt.bridge_port)
        gvrp = pt.speed == 10000
        rows.append((str(pt.bridge_port), {
            1: untagged.get(pt.bridge_port, 1), 2: 2 if gvrp else 1,
            3: 1 if gvrp or pt.bridge_port in untagged or n % 7 == 0 else 2, 4: 1 if gvrp else 2,
            5: n % 40 if gvrp and pt.up else 0,
            6: mac('gvrp-peer', c['name'], pt.bridge_port) if gvrp and pt.up else bytes(6),
            7: 1 if gvrp and n % 2 else 2}))
    one_two = rw(INT, [(1, ''), (2, '')])
    p.table('1.3.6.1.2.1.17.7.1.4.5.1',
            {1: (GAUGE, span(GAUGE, 1, 4094)), 2: (INT, one_two), 3: (INT, one_two),
             4: (INT, one_two), 5: (COUNTER, None), 6: (OCTETS, None), 7: (INT, one_two)}, rows)
    # Protocol groups: frame type (1 ethernet, 2 rfc1042, 5 llcOther) and protocol value.
    groups = [(1, b'\x08\x00', 1), (1, b'\x08\x06', 1), (1, b'\x86\xdd', 2), (2, b'\x08\x00', 1),
              (5, b'\xe0\xe0', 3), (1, b'\x88\x63', 4), (1, b'\x88\x64', 4)]
    p.table('1.3.6.1.2.1.17.7.1.5.1.1',
            {3: (INT, span(INT, 1, 16)), 4: (INT, 'rowstatus')},
            [(f'{ftype}.{len(value)}.' + '.'.join(str(b) for b in value), {3: group, 4: 1})
             for ftype, value, group in (groups if small else groups + [(2, b'\x81\x37', 3)])])
    # 802.3ad ports: members of the three aggregations, passive or individual ports elsewhere.
    lags, _ = link_plan(c, ports)
    member = {pt.ifindex: agg for agg, pts in lags.items() for pt in pts}
    own = mac('bridge', c['name'])
    rows = []
    for pt in ports:
        agg = member.get(pt.ifindex)
        edge = model_of(c, pt) == 'Corvane-LC4'
        key = agg or pt.slot * 100 + (10 if pt.speed == 10000 else 1)
        none = (bytes(6), 0, 0, 0, 0)  # partner system, priority, key, port, port priority
        if agg in (1, 2):  # active, partner in step, collecting and distributing
            state = (0xe0 if agg == 1 else 0xa0, 0xfc if agg == 1 else 0xbc, 0x20, 0x7c)
            admin = none
            oper = (mac('partner', c['name'], agg), 4096 if agg == 1 else 32768, agg * 10,
                    48 + lags[agg].index(pt) + 1, 32768)
        elif agg == 3:  # active, no LACP partner: its configured values stand in
            state = (0xa0, 0xa2 if pt.up else 0xa3, 0x3c, 0x3c)
            admin = oper = (mac('partner', c['name'], agg), 32768, 30, pt.num, 32768)
        else:  # passive, active with no partner, or individual on the access card
            actor = 0x00 if edge else (0x20, 0x20, 0x20, 0xa0, 0xa0, 0xe0)[h(key, pt.num) % 6]
            state = (actor, actor | 0x02, 0x00, 0x00)
            admin = oper = none
        rows.append((str(pt.ifindex), {
            2: 32768, 3: own, 4: key, 5: key, 6: admin[1], 7: oper[1], 8: admin[0], 9: oper[0],
            10: admin[2], 11: oper[2], 12: agg or 0, 13: agg if agg in (1, 2) else 0,
            14: pt.bridge_port, 15: 4096 if agg == 1 else 32768, 16: admin[3], 17: oper[3],
            18: admin[4], 19: oper[4], 20: bytes([state[0]]), 21: bytes([state[1]]),
            22: bytes([state[2]]), 23: bytes([state[3]]), 24: 2 if edge else 1}))
    cols = {k: (INT, None) for k in range(2, 20)}
    cols.update({k: (OCTETS, None) for k in (3, 8, 9, 20, 21, 22, 23)})
    cols[24] = (INT, None)
    p.table('1.2.840.10006.300.43.1.2.1.1', cols, rows)


LLDP = '1.0.8802.1.1.2.1'


def lldp_windows(p, c, ports):
    small = c['name'] == 'Corvane-A'
    # Basic settings with the ranges of their fields.
    for sub, value, lo, hi in ((1, 30, 5, 32768), (2, 4, 2, 10), (3, 2, 1, 10), (4, 2, 1, 8192)):
        p.scalar(f'{LLDP}.1.{sub}', INT, value, span(INT, lo, hi))
    # Port configuration: TLV choices as the windows' maps read them (0x80 first).
    basic = [0xf0, 0xf0, 0x70, 0x50, 0xe0, 0x00, 0xf0, 0x80, 0x30]
    dot3 = [0xf0, 0xe0, 0xa0, 0x80, 0x00, 0x90, 0x30]
    med = [0xc0, 0xe4, 0x84, 0x00, 0xf4, 0x80]
    tlvs = rw(OCTETS, size=(0, 1))
    admin, dot3_rows, med_rows = [], [], []
    for pt in ports:
        n = h('lldp-port', c['name'], pt.bridge_port)
        poe = model_of(c, pt) == 'Corvane-LC4'
        status = 4 if not pt.up and n % 3 == 0 else (3, 3, 3, 1, 2)[n % 5]
        admin.append((str(pt.bridge_port), {2: status, 3: 1 if pt.speed == 10000 else 2,
                                            4: bytes([basic[n % len(basic)]])}))
        dot3_rows.append((str(pt.bridge_port), {1: bytes([dot3[n % len(dot3)]])}))
        supported = 0xf4 if poe else 0xe4
        med_rows.append((str(pt.bridge_port), {1: bytes([supported]),
                                               2: bytes([med[n % len(med)] & supported])}))
    p.table(LLDP + '.1.6.1', {2: (INT, rw(INT, [(1, ''), (2, ''), (3, ''), (4, '')])),
                              3: (INT, rw(INT, [(1, ''), (2, '')])), 4: (OCTETS, tlvs)}, admin)
    p.table(LLDP + '.5.4623.1.1.1.1', {1: (OCTETS, tlvs)}, dot3_rows)
    p.table(LLDP + '.5.4795.1.1.2.1', {1: (OCTETS, None), 2: (OCTETS, tlvs)}, med_rows)
    # 802.1 protocols a few uplinks and access ports carry: the local table and what is sent.
    lags, neighbours = link_plan(c, ports)
    protocols = [bytes.fromhex('0026424203000000'), bytes.fromhex('888e01'),
                 bytes.fromhex('880901'), bytes.fromhex('88cc')]
    carriers = [pt for pts in lags.values() for pt in pts] + [nb[0] for nb in neighbours[4:6]]
    local, config = [], []
    for pt in carriers:
        for i, proto in enumerate(protocols, 1):
            if i == 2 and pt.speed == 10000:
                continue  # no port access control on the uplinks
            index = f'{pt.bridge_port}.{i}'
            local.append((index, {2: proto}))
            config.append((index, {1: 2 if h(index) % 4 == 0 else 1}))
    one_two = rw(INT, [(1, ''), (2, '')])
    p.table(LLDP + '.5.32962.1.2.4.1', {2: (OCTETS, None)}, local)
    p.table(LLDP + '.5.32962.1.1.4.1', {1: (INT, one_two)}, config)
    # Protocol VLANs of the access ports (the VLANs of the protocol groups).
    local, config = [], []
    for pt in ports[4:12] if small else ports[4:9] + ports[12:16]:
        for vid in (10, 20) if pt.bridge_port % 2 else (10,):
            index = f'{pt.bridge_port}.{vid}'
            local.append((index, {2: 1, 3: 1 if vid == 10 else 2}))
            config.append((index, {1: 1 if vid == 10 else 2}))
    p.table(LLDP + '.5.32962.1.2.2.1', {2: (INT, None), 3: (INT, None)}, local)
    p.table(LLDP + '.5.32962.1.1.3.1', {1: (INT, one_two)}, config)
    # 802.3 aggregation of every port (the windows' map: 0x01 aggCapable, 0x02 aggEnabled).
    member = {pt.bridge_port: agg for agg, pts in lags.items() for pt in pts}
    p.table(LLDP + '.5.4623.1.2.3.1', {1: (OCTETS, None), 2: (INT, None)},
            [(str(pt.bridge_port), {
                1: bytes([0x03 if pt.bridge_port in member else
                          0x00 if model_of(c, pt) == 'Corvane-LC4' else 0x01]),
                2: member.get(pt.bridge_port, 0)}) for pt in ports])
    # This switch as its neighbours see it (the capability map of the windows: 0x04 Bridge,
    # 0x10 Router).
    p.scalar(LLDP + '.3.1', INT, 4)
    p.scalar(LLDP + '.3.2', OCTETS, mac('bridge', c['name']))
    p.scalar(LLDP + '.3.3', OCTETS, c['name'].lower() + '-lab')
    p.scalar(LLDP + '.3.4', OCTETS, c['descr'] + ', firmware 4.2.7 (build 1184)')
    p.scalar(LLDP + '.3.5', OCTETS, bytes([0x14]))
    p.scalar(LLDP + '.3.6', OCTETS, bytes([0x04 if small else 0x14]))
    # Neighbours: time mark 0, local port, remote index.
    remote, agg_rows, med_rows = [], [], []
    for i, (pt, chassis, subtype, port_id, port_descr, name, descr, sup, enabled, agg,
            agg_id, medcaps) in enumerate(neighbours[:7] if small else neighbours, 1):
        index = f'0.{pt.bridge_port}.{i}'
        remote.append((index, {4: 4, 5: chassis, 6: subtype, 7: port_id, 8: port_descr,
                               9: name, 10: descr, 11: bytes([sup]), 12: bytes([enabled])}))
        agg_rows.append((index, {1: bytes([agg]), 2: agg_id}))
        if medcaps:
            med_rows.append((index, {1: bytes([medcaps[0]]), 2: bytes([medcaps[1]]),
                                     3: medcaps[2]}))
    p.table(LLDP + '.4.1.1', {k: (INT, None) if k in (4, 6) else (OCTETS, None)
                              for k in range(4, 13)}, remote)
    p.table(LLDP + '.5.4623.1.3.3.1', {1: (OCTETS, None), 2: (INT, None)}, agg_rows)
    p.table(LLDP + '.5.4795.1.3.1.1', {1: (OCTETS, None), 2: (OCTETS, None), 3: (INT, None)},
            med_rows)


def window_data(p, c, ports):
    snmp_counters(p, c)
    mac_control(p, c, ports)
    stp_windows(p, c, ports)
    vlan_windows(p, c, ports)
    lldp_windows(p, c, ports)


# Coded columns of the extra tables.
ENUMS = dict(ENUMS)
ENUMS.update({
    '1.3.6.1.2.1.17.7.1.5.1.1.4': [(1, 'active'), (4, 'createAndGo'), (6, 'destroy')],
    '1.0.8802.1.1.2.1.1.6.1.2': [(1, 'txOnly'), (2, 'rxOnly'), (3, 'txAndrx'), (4, 'disabled')],
    '1.0.8802.1.1.2.1.1.6.1.3': [(1, 'true'), (2, 'false')],
    '1.0.8802.1.1.2.1.5.32962.1.1.4.1.1': [(1, 'true'), (2, 'false')],
    '1.0.8802.1.1.2.1.5.32962.1.1.3.1.1': [(1, 'true'), (2, 'false')],
    '1.0.8802.1.1.2.1.3.1': [(4, 'macAddress')],
    '1.0.8802.1.1.2.1.4.1.1.4': [(4, 'macAddress')],
    '1.0.8802.1.1.2.1.4.1.1.6': [(5, 'interfaceName')],
})


# --- Catalogue tables filled from their column syntaxes ---------------------------------------

PORT_WORDS = ('port', 'if index', 'interface index', 'ifindex', 'data source')
ROW_WORDS = {'createAndGo', 'createAndWait', 'destroy', 'notReady', 'createRequest',
             'underCreation', 'invalid'}


def is_port_index(caption):
    c = caption.strip().lower()
    return any(w in c for w in PORT_WORDS) and 'priority' not in c


def index_values(name, caption, syntax, ports, nrows):
    """Values of one index column: (index arcs text, value for a readable copy)."""
    cap = caption.strip().lower()
    if syntax in (0x02, 0x42) and is_port_index(caption):
        if 'if' in cap or 'interface' in cap:
            return [(str(pt.ifindex), pt.ifindex) for pt in ports[:nrows]]
        return [(str(pt.bridge_port), pt.bridge_port) for pt in ports[:nrows]]
    if syntax == 0x43:  # time marks
        return [('0', 0)] * nrows
    if syntax in (0x02, 0x42):
        if 'priority' in cap:
            return [(str(i), i) for i in range(nrows)]
        if 'version' in cap:  # IPv4 and IPv6
            return [(str(i % 2 + 1), i % 2 + 1) for i in range(nrows)]
        if 'address type' in cap or cap in ('type', 'subtype'):
            return [('1', 1)] * nrows
        if 'length' in cap:
            return [('24', 24)] * nrows
        if 'instance' in cap or 'tos' in cap:
            return [(str(i), i) for i in range(nrows)]
        return [(str(i + 1), i + 1) for i in range(nrows)]
    if syntax in (0x40, 0x45):
        return [(f'10.{h(name) % 200 + 1}.{i}.1', f'10.{h(name) % 200 + 1}.{i}.1')
                for i in range(nrows)]
    if syntax == 0x51:
        return [(f'4.10.{h(name) % 200 + 1}.{i}.1', bytes([10, h(name) % 200 + 1, i, 1]))
                for i in range(nrows)]
    if syntax == 0x49:
        return [('.'.join(str(b) for b in mac(name, i)), mac(name, i)) for i in range(nrows)]
    if syntax == 0x06:  # short OIDs from zeroDotZero on, as route policies usually are
        return [(f'2.0.{i}', f'0.{i}') for i in range(nrows)]
    if syntax == 0x4d:  # IPv6 addresses as 16 sub-identifiers, without a length
        addrs = [bytes([0xfe, 0x80] + [0] * 12 + [h(name) % 200 + 1, i + 1]) for i in range(nrows)]
        return [('.'.join(str(b) for b in a), a) for a in addrs]
    if syntax == 0x4c:
        word = 'admin' if 'owner' in cap or 'user' in cap or 'group' in cap else \
            cap.split()[0] if cap else 'row'
        return [(None, f'{word}-{i + 1}' if 'owner' not in cap else 'admin') for i in range(nrows)]
    if 'protocol' in cap:  # ethertypes: IPv4, ARP, IPv6
        return [(None, bytes(t)) for t in ([0x08, 0x00], [0x08, 0x06], [0x86, 0xdd])[:nrows]]
    # other octet strings
    return [(None, bytes([0x80, 0x00, 0x7e, 0x99, i + 1])) for i in range(nrows)]


def column_value(table, caption, syntax, enum, r, pos, ports, row_port, profile_name):
    cap = caption.strip().lower()
    n = h(table, caption, r, pos)
    if enum:
        values = [v for v, w in enum if w not in ROW_WORDS]
        if any(w in ROW_WORDS for _, w in enum):
            return values[0] if values else enum[0][0]
        return values[(r + pos) % len(values)]
    if syntax in (0x02, 0x01):
        if 'priority' in cap:
            return 32768 if 'system' in cap else 128
        if 'port' in cap and row_port is not None:
            return row_port.bridge_port
        if 'if' in cap.split() or 'interface' in cap:
            return row_port.ifindex if row_port is not None else ports[r % len(ports)].ifindex
        if any(w in cap for w in ('time', 'interval', 'timeout', 'period', 'delay')):
            return 30
        if 'metric' in cap or 'cost' in cap:
            return 10 * (r + 1)
        if 'utilization' in cap:
            return n % 60
        return n % 100
    if syntax in (0x41, 0x47):
        return n % 2000000000
    if syntax == 0x42:
        if 'mtu' in cap or 'size' in cap or 'length' in cap:
            return 1500
        if 'speed' in cap:
            return 1000
        if 'label' in cap:
            return 16 + n % 100000
        return n % 1000
    if syntax == 0x43:
        return n % 100000000
    if syntax == 0x46:
        return n % 10**13
    if syntax in (0x40, 0x45):
        return f'10.{n % 250}.{r}.{1 + pos % 250}'
    if syntax == 0x51:
        return bytes([10, n % 250, r % 250, 1])
    if syntax == 0x49:
        return mac(table, caption, r)
    if syntax == 0x4a:
        return bytes([0x07, 0xe8, 5, 1 + r % 28, 12, pos % 60, 0, 0, 0x2b, 0, 0])
    if syntax == 0x4d:
        return bytes([0x20, 0x01, 0x0d, 0xb8] + [0] * 11 + [r + 1])
    if syntax == 0x06:
        if 'data source' in cap:
            return f'1.3.6.1.2.1.2.2.1.1.{ports[r % len(ports)].ifindex}'
        if 'tdomain' in cap:
            return '1.3.6.1.6.1.1'
        if 'authentication' in cap:
            return '1.3.6.1.6.3.10.1.1.3'
        if 'privacy' in cap:
            return '1.3.6.1.6.3.10.1.2.4'
        return '0.0'
    if syntax == 0x4c:
        if 'version' in cap or 'revision' in cap:
            return '4.2.7'
        if 'serial' in cap:
            return f'CVN{n % 10**8:08d}'
        if 'manufacturer' in cap or 'vendor' in cap:
            return 'Varden'
        if 'model' in cap:
            return profile_name
        if 'owner' in cap:
            return 'admin'
        return f'{caption.strip()} {r + 1}'[:32]
    if syntax in (0x03, 0x4e):
        if 'port' in cap:
            return port_list(ports, ports[r:r + 8])
        return bytes([0xf0])
    # octet strings
    if 'bridge' in cap or 'root' in cap:
        return bytes([0x80, 0x00]) + mac('bridge', profile_name)
    if 'engine' in cap:
        return bytes([0x80, 0x00, 0x7e, 0x99, 0x03]) + mac('engine', profile_name)
    if 'tlv' in cap or 'capabilit' in cap:
        return bytes([0xf0])
    return bytes([(n >> s) & 0xff for s in (24, 16, 8, 0)])


def rule_for(column_oid, caption, syntax, enum):
    tag = TAG[syntax]
    words = {w for _, w in enum} if enum else set()
    if enum and {'createAndGo', 'destroy'} <= words:
        return 'rowstatus'
    if enum and {'valid', 'invalid'} <= words:
        return 'entrystatus'
    if tag == OCTETS and syntax in (0x4c,):
        return rw(tag, enum, size=(0, 255))
    if syntax == 0x49:
        return rw(tag, size=(6, 6))
    return rw(tag, enum)


def catalogue(p, c, ports, profile_name):
    for name, base, kind, nidx, cols in TABLES + EXTRA_TABLES:
        if any(base == x or base.startswith(x + '.') for x in p.claimed):
            continue
        if kind in (0, 1):
            for pos, (oid, caption, syntax, flags) in enumerate(cols):
                if oid is None or oid in p.claimed or any(oid.startswith(x + '.') for x in p.claimed):
                    continue
                enum = ENUMS.get(oid)
                p.put(oid + '.0', TAG[syntax],
                      column_value(name, caption, syntax, enum, 0, pos, ports, None, c['name']))
                if flags & 0x04:
                    p.rules[oid] = rule_for(oid, caption, syntax, enum)
            continue
        index_cols = cols[:nidx]
        port_first = index_cols and is_port_index(index_cols[0][1]) and \
            index_cols[0][2] in (0x02, 0x42)
        nrows = len(ports) if port_first and nidx == 1 else 4 if port_first else 3
        per_col = [index_values(base, cap, syn, ports, nrows) for _, cap, syn, _ in index_cols]
        for r in range(nrows):
            parts = []
            for i, (oid, cap, syn, flags) in enumerate(index_cols):
                text, value = per_col[i][r]
                if text is None:
                    raw = value.encode() if isinstance(value, str) else value
                    implied = flags & 0x40 and i == nidx - 1
                    body = '.'.join(str(b) for b in raw)
                    text = body if implied else f'{len(raw)}.{body}'
                parts.append(text)
            index = '.'.join(parts)
            row_port = ports[r] if port_first and r < len(ports) else None
            for pos, (oid, caption, syntax, flags) in enumerate(cols):
                if oid is None:
                    continue
                if pos < nidx:
                    if not oid.startswith(base + '.'):
                        continue  # an index that belongs to another table
                    value = per_col[pos][r][1]
                else:
                    value = column_value(name, caption, syntax, ENUMS.get(oid), r, pos, ports,
                                         row_port, c['name'])
                p.put(f'{oid}.{index}', TAG[syntax], value)
        for oid, caption, syntax, flags in cols[nidx:]:
            if oid is not None and flags & 0x04:
                p.rules[oid] = rule_for(oid, caption, syntax, ENUMS.get(oid))


def build(profile_name):
    c = CHASSIS[profile_name]
    ports = build_ports(c['slots'])
    p = Profile()
    system_group(p, c)
    equipment(p, c, ports)
    interfaces(p, c, ports)
    bridge(p, c, ports)
    spanning_tree(p, c, ports)
    window_data(p, c, ports)
    catalogue(p, c, ports, c['name'])
    return p


def big_table(rows, out):
    p = Profile()
    p.scalar('1.3.6.1.2.1.1.1', OCTETS, f'Corvane benchmark table of {rows} rows')
    p.scalar('1.3.6.1.2.1.1.2', OID, ENTERPRISE + '.99')
    p.scalar('1.3.6.1.2.1.1.5', OCTETS, 'bench', rw(OCTETS, size=(0, 255)))
    entry = ENTERPRISE + '.99.1.1'
    p.table(entry, {1: (INT, None), 2: (OCTETS, rw(OCTETS, size=(0, 64))), 3: (COUNTER, None),
                    4: (GAUGE, rw(GAUGE)), 5: (INT, 'rowstatus')},
            [(str(i), {1: i, 2: f'row-{i}', 3: h(i) % 10**9, 4: i % 1000, 5: 1})
             for i in range(1, rows + 1)])
    p.write(out)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--out', default=os.path.dirname(os.path.abspath(__file__)))
    ap.add_argument('--big-table', nargs=2, metavar=('ROWS', 'OUT'))
    args = ap.parse_args()
    if args.big_table:
        big_table(int(args.big_table[0]), args.big_table[1])
        return
    for name in CHASSIS:
        build(name).write(os.path.join(args.out, name))


if __name__ == '__main__':
    main()
