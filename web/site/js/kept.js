// SPDX-License-Identifier: GPL-3.0-or-later
// What the page keeps on the device between visits, in localStorage as JSON. Storage may be shut
// off or full, and a kept value may be damaged or from another version: such a value is dropped,
// and the page goes on as if nothing had been kept.

// The value kept under the key when `valid` accepts it, else null (and a bad value is dropped).
export function readKept(key, valid) {
  let text = null;
  try {
    text = localStorage.getItem(key);
  } catch {
    return null;
  }
  if (text === null) return null;
  try {
    const value = JSON.parse(text);
    if (valid(value)) return value;
  } catch {
    // dropped below
  }
  dropKept(key);
  return null;
}

// False when the device would not keep it (storage off or full); what was kept before stays.
export function writeKept(key, value) {
  try {
    localStorage.setItem(key, JSON.stringify(value));
    return true;
  } catch {
    return false;
  }
}

export function dropKept(key) {
  try {
    localStorage.removeItem(key);
  } catch {
    // nothing kept that could be dropped
  }
}
