// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of a course, in its SCORM packages: finds the learning
// management system's run-time API, marks the attempt incomplete and then
// completed once answer 4 has been shown, keeps the case and the step
// reached so that a resumed attempt shows the same patient at the same
// step, and records the session time. The package's page loads it with
// data-scorm="1.2" or "2004". Without an API it does nothing; an LMS that
// refuses or errs never stops the exercise, and nothing of it is shown.
(() => {
  const calls = {
    '1.2': { api: 'API', initialize: 'LMSInitialize', get: 'LMSGetValue', set: 'LMSSetValue',
             commit: 'LMSCommit', finish: 'LMSFinish', error: 'LMSGetLastError',
             status: 'cmi.core.lesson_status', entry: 'cmi.core.entry', exit: 'cmi.core.exit',
             time: 'cmi.core.session_time', done: ['completed', 'passed'] },
    2004: { api: 'API_1484_11', initialize: 'Initialize', get: 'GetValue', set: 'SetValue',
            commit: 'Commit', finish: 'Terminate', error: 'GetLastError',
            status: 'cmi.completion_status', entry: 'cmi.entry', exit: 'cmi.exit',
            time: 'cmi.session_time', done: ['completed'] },
  }[document.currentScript.dataset.scorm];
  const started = Date.now();

  // The API in this window or the nearest parent that has it, else in the
  // opener's; a parent from another origin cannot be asked.
  function find(start) {
    for (let frame = start, n = 0; frame && n < 500; frame = frame.parent, n++) {
      try {
        if (frame[calls.api]) return frame[calls.api];
      } catch {
        return null;
      }
      if (frame.parent === frame) break;
    }
    return null;
  }
  const api = find(window) || (window.top.opener && find(window.top.opener));

  // One call; its result where the LMS reports no error, else null.
  function call(method, ...args) {
    try {
      const result = api[method](...args);
      return String(api[calls.error]()) === '0' ? String(result) : null;
    } catch {
      return null;
    }
  }

  // 1.2: HHHH:MM:SS.SS; 2004: an ISO 8601 duration, PT#H#M#S.
  function sessionTime() {
    const centiseconds = Math.round((Date.now() - started) / 10);
    const [hours, minutes, seconds] = [360000, 6000, 100].map((unit, i, units) =>
      Math.floor((centiseconds % (units[i - 1] || Infinity)) / unit));
    const fraction = String(centiseconds % 100).padStart(2, '0');
    if (calls.api === 'API') {
      const two = (n) => String(n).padStart(2, '0');
      return `${two(Math.min(hours, 9999))}:${two(minutes)}:${two(seconds)}.${fraction}`;
    }
    return `PT${hours}H${minutes}M${seconds}.${fraction}S`;
  }

  // The case and step the attempt was left at, as the page last saved them.
  function keptCase() {
    try {
      return JSON.parse(call(calls.get, 'cmi.suspend_data'));
    } catch {
      return null;
    }
  }

  function save(values) {
    for (const [name, value] of Object.entries(values)) call(calls.set, name, value);
    call(calls.set, calls.time, sessionTime());
    call(calls.commit, '');
  }

  if (!api || call(calls.initialize, '') !== 'true') return;
  let open = true;
  // Only a resumed attempt has a case to come back to, or can be complete.
  const resumed = call(calls.get, calls.entry) === 'resume';
  const kept = resumed ? keptCase() : null;
  if (!resumed || !calls.done.includes(call(calls.get, calls.status)))
    save({ [calls.status]: 'incomplete' });

  window.addEventListener('compartica:starting', (event) => {
    if (kept && typeof kept.case === 'string' && Number.isInteger(kept.step))
      Object.assign(event.detail, { case: kept.case, linked: !!kept.linked, step: kept.step });
  });
  window.addEventListener('compartica:step', (event) => {
    const { case: name, linked, step } = event.detail;
    if (open) save({ 'cmi.suspend_data': JSON.stringify({ case: name, linked, step }) });
  });
  window.addEventListener('compartica:complete', () => {
    if (open) save({ [calls.status]: 'completed' });
  });
  window.addEventListener('compartica:closing', () => {
    if (!open) return;
    save({ [calls.exit]: 'suspend' });
    call(calls.finish, '');
    open = false;
  });
})();
