// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of a course, in its SCORM packages: finds the learning
// management system's run-time API, marks the attempt incomplete and then
// completed once answer 4 has been shown, keeps the case and the step
// reached so that a resumed attempt shows the same patient at the same
// step, and records the session time. The learner's language, where the
// LMS knows it, is the page's unless the learner chose another there. With
// data-practice="on" the student types each value before its worked answer,
// and the LMS gets a score (the share of the seven values right at their
// first check, 0 to 100) and one interaction a value; there is no mastery
// score, so no LMS marks the attempt failed. The package's page loads it
// with data-scorm="1.2" or "2004". Without an API it does nothing; an LMS that
// refuses or errs never stops the exercise, and nothing of it is shown.
// A status is never lowered, and a value the LMS refused is offered again
// with every later record until it is taken. Steps are recorded after the
// page has shown them, so a slow LMS never holds a step back.
(() => {
  const calls = {
    '1.2': { api: 'API', initialize: 'LMSInitialize', get: 'LMSGetValue', set: 'LMSSetValue',
             commit: 'LMSCommit', finish: 'LMSFinish', error: 'LMSGetLastError',
             status: 'cmi.core.lesson_status', entry: 'cmi.core.entry', exit: 'cmi.core.exit',
             time: 'cmi.core.session_time', done: ['completed', 'passed'], normal: '',
             language: 'cmi.student_preference.language', score: 'cmi.core.score',
             response: 'student_response', wrong: 'wrong' },
    2004: { api: 'API_1484_11', initialize: 'Initialize', get: 'GetValue', set: 'SetValue',
            commit: 'Commit', finish: 'Terminate', error: 'GetLastError',
            status: 'cmi.completion_status', entry: 'cmi.entry', exit: 'cmi.exit',
            time: 'cmi.session_time', done: ['completed'], normal: 'normal',
            language: 'cmi.learner_preference.language', score: 'cmi.score',
            response: 'learner_response', wrong: 'incorrect' },
  }[document.currentScript.dataset.scorm];
  const practising = document.currentScript.dataset.practice === 'on';
  // A clock that a change of the computer's time does not move.
  const started = performance.now();

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

  // A time span (ms) as the LMS takes it. 1.2: HHHH:MM:SS.SS; 2004: an
  // ISO 8601 duration, PT#H#M#S.
  function timespan(milliseconds) {
    const centiseconds = Math.max(0, Math.round(milliseconds / 10));
    const [hours, minutes, seconds] = [360000, 6000, 100].map((unit, i, units) =>
      Math.floor((centiseconds % (units[i - 1] || Infinity)) / unit));
    const fraction = String(centiseconds % 100).padStart(2, '0');
    if (calls.api === 'API') {
      const two = (n) => String(n).padStart(2, '0');
      return `${two(Math.min(hours, 9999))}:${two(minutes)}:${two(seconds)}.${fraction}`;
    }
    return `PT${hours}H${minutes}M${seconds}.${fraction}S`;
  }
  const sessionTime = () => timespan(performance.now() - started);

  // The case and step the attempt was left at, as the page last saved them.
  function keptCase() {
    try {
      return JSON.parse(call(calls.get, 'cmi.suspend_data'));
    } catch {
      return null;
    }
  }

  // The values the LMS has not yet taken: each is offered at every record,
  // and dropped once a commit after it has succeeded. Records stop when the
  // session has.
  const unsent = {};
  let open = false;
  function record(values = {}) {
    Object.assign(unsent, values);
    if (!open) return;
    const taken = Object.entries(unsent).filter(([name, value]) =>
      call(calls.set, name, value) !== null);
    call(calls.set, calls.time, sessionTime());
    if (call(calls.commit, '') === null) return;
    for (const [name, value] of taken) if (unsent[name] === value) delete unsent[name];
  }

  // A step's record waits until the page has painted the step.
  let scheduled = false;
  function recordLater(values) {
    Object.assign(unsent, values);
    if (scheduled) return;
    scheduled = true;
    requestAnimationFrame(() => setTimeout(() => {
      scheduled = false;
      record();
    }, 0));
  }

  if (!api || call(calls.initialize, '') !== 'true') return;
  open = true;
  // Only a resumed attempt has a case to come back to. Any attempt the LMS
  // did not start afresh may already be complete (a phone that closed the
  // tab leaves a 1.2 attempt open without "resume").
  const entry = call(calls.get, calls.entry);
  const kept = entry === 'resume' ? keptCase() : null;
  const done = entry !== 'ab-initio' && calls.done.includes(call(calls.get, calls.status));
  if (!done) record({ [calls.status]: 'incomplete' });

  const language = call(calls.get, calls.language);
  window.addEventListener('compartica:starting', (event) => {
    Object.assign(event.detail, { course: true, practice: practising });
    if (language) event.detail.learnerLanguage = language;
    if (kept && typeof kept.case === 'string' && Number.isInteger(kept.step))
      Object.assign(event.detail, { case: kept.case, linked: !!kept.linked, resumed: true,
                                    step: kept.step, record: String(kept.practice || '') });
  });
  // The suspend data: the case, the step and, in practice, what was typed
  // and checked (a short line, well within 1.2's 4096 characters).
  window.addEventListener('compartica:step', (event) => {
    const { case: name, linked, step, record: typed } = event.detail;
    const saved = practising ? { case: name, linked, step, practice: typed } : { case: name, linked, step };
    recordLater({ 'cmi.suspend_data': JSON.stringify(saved) });
  });
  // Each value's first check is the next interaction, after any a resumed
  // attempt already holds.
  let interactions = Number(call(calls.get, 'cmi.interactions._count')) || 0;
  window.addEventListener('compartica:checked', (event) => {
    const { id, response, correct, correctResponse, latency } = event.detail;
    const at = `cmi.interactions.${interactions++}`;
    const pattern = calls.api === 'API' ? correctResponse : `${correctResponse}[:]${correctResponse}`;
    recordLater({ [`${at}.id`]: id, [`${at}.type`]: 'numeric', [`${at}.${calls.response}`]: response,
                  [`${at}.result`]: correct ? 'correct' : calls.wrong,
                  [`${at}.correct_responses.0.pattern`]: pattern, [`${at}.latency`]: timespan(latency) });
  });
  window.addEventListener('compartica:score', (event) => {
    const { score } = event.detail;
    const scaled = calls.api === 'API' ? {} : { [`${calls.score}.scaled`]: String(score / 100) };
    recordLater(Object.assign({ [`${calls.score}.min`]: '0', [`${calls.score}.max`]: '100',
                                [`${calls.score}.raw`]: String(score) }, scaled));
  });
  window.addEventListener('compartica:complete', () => recordLater({ [calls.status]: 'completed' }));
  // "end" finishes the attempt; leaving the page in any other way
  // suspends it, to be resumed at the same step. What the LMS has not
  // taken yet is offered a few times more before the session ends.
  window.addEventListener('compartica:closing', (event) => {
    if (!open) return;
    record({ [calls.exit]: event.detail.ended ? calls.normal : 'suspend' });
    for (let tries = 0; tries < 3 && Object.keys(unsent).length; tries++) record();
    call(calls.finish, '');
    open = false;
  });
})();
