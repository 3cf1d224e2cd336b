// The help: the window program's help text, with the page's paragraphs in
// place of its own, made into the page when the site was assembled. A topic
// button brings its topic to the top of the text.
import { $ } from './lists.js';

export function setUpHelp() {
  const help = $('HelpWindow');
  const text = $('HelpText');
  $('OpenHelp').addEventListener('click', () => {
    text.scrollTop = 0;
    help.showModal();
  });
  for (const button of help.querySelectorAll('.help-topics button')) {
    button.addEventListener('click', () => {
      const topic = $(button.dataset.topic);
      text.scrollTop = topic.offsetTop - text.offsetTop;
    });
  }
}
